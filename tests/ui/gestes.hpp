#pragma once

// What a user's hand does in the window tests: clicks on list rows, and screenshots on request.

#include <QApplication>
#include <QListWidget>
#include <QPixmap>
#include <QString>
#include <QTest>
#include <QWidget>

namespace lamelix::test {

inline QPoint centre(QListWidget *liste, int ligne) {
    QApplication::processEvents(); // lets the list lay out its wrapped items
    return liste->visualItemRect(liste->item(ligne)).center();
}

inline void clic(QListWidget *liste, int ligne, Qt::KeyboardModifiers touches = {}) {
    QTest::mouseClick(liste->viewport(), Qt::LeftButton, touches, centre(liste, ligne));
}

// A double click on a list row is a press (which selects it) followed by the double click.
inline void doubleClic(QListWidget *liste, int ligne) {
    const QPoint point = centre(liste, ligne);
    QTest::mouseClick(liste->viewport(), Qt::LeftButton, {}, point);
    QTest::mouseDClick(liste->viewport(), Qt::LeftButton, {}, point);
}

// LAMELIX_CAPTURE names a PNG file; each capture inserts its suffix before ".png".
inline void capture(QWidget *fenetre, const char *suffixe) {
    QString nom = QString::fromLocal8Bit(qgetenv("LAMELIX_CAPTURE"));
    if (nom.isEmpty()) return;
    if (*suffixe != '\0') nom.insert(nom.endsWith(".png") ? nom.size() - 4 : nom.size(), suffixe);
    fenetre->grab().save(nom);
}

} // namespace lamelix::test
