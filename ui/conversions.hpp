#pragma once

// What the skin needs to show the model's values: text with Windows line ends, and colours
// written as Windows colour numbers (red in the low byte, then green, then blue).

#include <cstdint>
#include <string>

#include <QColor>
#include <QString>

namespace lamelix {

// A model text as Qt holds it.
inline QString qs(const std::string &texte) {
    return QString::fromStdString(texte);
}

// A model text for a Qt widget: UTF-8, with "\r\n" (and a lone "\r") as plain line breaks.
inline QString TexteQt(const std::string &texte) {
    QString s = QString::fromStdString(texte);
    s.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    s.replace(QLatin1Char('\r'), QLatin1Char('\n'));
    return s;
}

// A position in a Qt text (UTF-16 units) as the model counts it: bytes of the UTF-8 text.
inline int OctetsUtf8(const QString &texte, int position) {
    return static_cast<int>(texte.left(position).toUtf8().size());
}

// 255 is red, 65280 green, 16711680 blue.
inline QColor CouleurQt(uint32_t couleur) {
    return QColor(static_cast<int>(couleur & 0xFF), static_cast<int>((couleur >> 8) & 0xFF),
                  static_cast<int>((couleur >> 16) & 0xFF));
}

} // namespace lamelix
