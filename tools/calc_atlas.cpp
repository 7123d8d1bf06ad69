// gyrolux-calc atlas find TEXT: the places of the atlas that match, best first.
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

#include "radix/atlas.h"
#include "tools/calc_verbs.h"

namespace gyrolux::calc {

void DefineAtlasVerb(QCommandLineParser& parser) {
  parser.addPositionalArgument(QStringLiteral("find"), QStringLiteral("Die einzige Aktion: find."));
  parser.addPositionalArgument(QStringLiteral("TEXT"),
                               QStringLiteral("Ein Ortsname oder sein Anfang, deutsch oder englisch, mit oder "
                                              "ohne Akzente (\"Munchen\", \"Köln\")."));
  parser.addOption({QStringLiteral("json"), QStringLiteral("Ein Array von Objekten statt Zeilen.")});
  parser.setApplicationDescription(parser.applicationDescription() + u'\n' + AtlasAttribution());
}

int RunAtlasVerb(VerbCall& call) {
  const QCommandLineParser& parser = call.parser;
  QTextStream& out = call.out;
  QTextStream& err = call.err;
  const QStringList arguments = parser.positionalArguments();
  if (arguments[0] != u"find") {
    err << QStringLiteral("unbekannte Aktion '%1' (find)").arg(arguments[0]);
    return 2;
  }
  const Atlas atlas = Atlas::LoadWithPlacesFile();
  const QList<AtlasPlace> places = atlas.Find(arguments[1]);
  if (parser.isSet(QStringLiteral("json"))) {
    QJsonArray array;
    for (const AtlasPlace& p : places) {
      array.append(QJsonObject{{QStringLiteral("name"), p.name},
                               {QStringLiteral("country"), p.country},
                               {QStringLiteral("admin"), p.admin},
                               {QStringLiteral("lat"), p.latitude},
                               {QStringLiteral("lon"), p.longitude},
                               {QStringLiteral("zone"), p.zone},
                               {QStringLiteral("population"), static_cast<double>(p.population)}});
    }
    out << QString::fromUtf8(QJsonDocument(array).toJson(QJsonDocument::Compact)) << '\n';
    return 0;
  }
  for (const AtlasPlace& p : places) {
    const QString where = p.admin.isEmpty() ? p.country : p.admin + QStringLiteral(", ") + p.country;
    out << p.name << " (" << where << ")  " << QString::number(p.latitude, 'f', 4) << ' '
        << QString::number(p.longitude, 'f', 4) << "  " << p.zone << "  " << p.population << '\n';
  }
  return 0;
}

}  // namespace gyrolux::calc
