#include "ui/filtres.hpp"

#include <QRegularExpression>
#include <QStringList>

namespace lamelix {

namespace {

void ajoute(QStringList &motifs, const QString &motif) {
    if (!motifs.contains(motif)) motifs << motif;
}

} // namespace

QString FiltreQt(const std::string &filtre, const QString &sansTitre) {
    const QStringList morceaux = QString::fromStdString(filtre).split(QLatin1Char('|'));
    QStringList filtres;
    for (qsizetype i = 0; i + 1 < morceaux.size(); i += 2) {
        QStringList motifs;
        for (const QString &m :
             morceaux[i + 1].split(QRegularExpression("[;,]"), Qt::SkipEmptyParts)) {
            const QString motif = m.trimmed();
            if (motif.isEmpty()) continue;
            if (motif == QLatin1String("*.*")) {
                ajoute(motifs, QStringLiteral("*"));
                continue;
            }
            ajoute(motifs, motif.toLower());
            ajoute(motifs, motif.toUpper());
        }
        if (motifs.isEmpty()) continue;
        // The patterns are shown once, after the caption.
        QString titre = morceaux[i];
        titre.remove(QRegularExpression("\\([^)]*\\)"));
        titre = titre.trimmed();
        if (titre.isEmpty()) titre = sansTitre;
        filtres << titre + QStringLiteral(" (") + motifs.join(QLatin1Char(' ')) + QLatin1Char(')');
    }
    return filtres.join(QStringLiteral(";;"));
}

} // namespace lamelix
