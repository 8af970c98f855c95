#pragma once

#include "consult/lamelix.hpp"

#include <cstdint>
#include <string>

#include <QMainWindow>

class QLabel;
class QListWidget;
class QLineEdit;
class QPlainTextEdit;

namespace lamelix {

// The main window: one widget per control of the window model. It forwards the user's actions
// to the model's procedures and, after each of them, shows the controls that changed.
class FenetrePrincipale : public QMainWindow {
    Q_OBJECT

  public:
    explicit FenetrePrincipale(Lamelix &modele, QWidget *parent = nullptr);

    void ChargeCle(const std::string &chemin);
    void Rafraichit();

    QListWidget *List1() const { return list1_; }
    QLineEdit *Text2() const { return text2_; }

  private:
    void list1DoubleClic(int position);

    Lamelix &modele_;
    QListWidget *list1_;
    QPlainTextEdit *text1_;
    QLineEdit *text2_;
    QLabel *label6_;
    QLabel *label1_;
    QLabel *label18_;

    // Versions of the model's controls already shown.
    uint64_t vuCaption_ = UINT64_MAX, vuList1_ = UINT64_MAX, vuText1_ = UINT64_MAX,
             vuText2_ = UINT64_MAX, vuLabel1_ = UINT64_MAX, vuLabel6_ = UINT64_MAX,
             vuLabel18_ = UINT64_MAX;
};

} // namespace lamelix
