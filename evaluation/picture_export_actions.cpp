#include "evaluation/picture_export_actions.h"

#include <QAction>
#include <QFileInfo>
#include <QWidget>

#include "platform/picture_export.h"

namespace gyrolux {

namespace {

struct ExportCommand {
  ExportFormat format;
  const char* objectName;
  const char16_t* caption;
  const char16_t* filter;
};

constexpr ExportCommand kCommands[] = {
    {ExportFormat::Pdf, "exportPdfAction", u"Als PDF speichern\u2026", u"PDF-Dateien (*.pdf)"},
    {ExportFormat::Svg, "exportSvgAction", u"Als SVG speichern\u2026", u"SVG-Dateien (*.svg)"},
    {ExportFormat::Png, "exportPngAction", u"Als PNG speichern\u2026", u"PNG-Bilder (*.png)"},
};

}  // namespace

void AddPictureExportActions(QWidget* view, Prompter& prompter, std::function<std::optional<Picture>()> picture,
                             std::function<QString()> baseName) {
  view->setContextMenuPolicy(Qt::ActionsContextMenu);
  for (const ExportCommand& command : kCommands) {
    const QString caption = QString::fromUtf16(command.caption);
    auto* action = new QAction(caption, view);
    action->setObjectName(QString::fromLatin1(command.objectName));
    QObject::connect(action, &QAction::triggered, view, [&prompter, picture, baseName, command, caption] {
      const std::optional<Picture> shown = picture();
      if (!shown) return;
      const QString extension = ExportExtension(command.format);
      // The dialog's title is the command without its dots.
      std::optional<QString> path = prompter.chooseSaveFile(caption.chopped(1), baseName() + extension,
                                                            QString::fromUtf16(command.filter));
      if (!path || path->isEmpty()) return;
      // A name typed without the format's extension gets it.
      if (ExportFormatOfFile(*path) != command.format) *path += extension;
      QString error;
      if (!ExportPicture(*shown, *path, command.format, &error)) prompter.error(error);
    });
    view->addAction(action);
  }
}

}  // namespace gyrolux
