#include "ui/fenetre_principale.hpp"

#include <exception>

#include <QFont>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QSplitter>
#include <QStatusBar>
#include <QVBoxLayout>

namespace lamelix {

namespace {

QString qs(const std::string &s) {
    return QString::fromStdString(s);
}

QGroupBox *cadre(const QString &titre, QWidget *contenu) {
    auto *boite = new QGroupBox(titre);
    auto *disposition = new QVBoxLayout(boite);
    disposition->setContentsMargins(6, 6, 6, 6);
    disposition->addWidget(contenu);
    return boite;
}

} // namespace

FenetrePrincipale::FenetrePrincipale(Lamelix &modele, QWidget *parent)
    : QMainWindow(parent), modele_(modele) {
    label6_ = new QLabel;
    label6_->setWordWrap(true);
    label6_->setObjectName("Label6");
    label6_->setStyleSheet("QLabel { color: #3c4a3e; font-style: italic; padding: 4px 2px; }");

    list1_ = new QListWidget;
    list1_->setObjectName("List1");
    list1_->setWordWrap(true);
    list1_->setAlternatingRowColors(true);
    list1_->setSpacing(3);
    list1_->setStyleSheet("QListWidget::item { padding: 6px 4px; }"
                          "QListWidget::item:hover { background: #e4efe3; }");
    QFont grande = list1_->font();
    grande.setPointSize(grande.pointSize() + 2);
    list1_->setFont(grande);
    list1_->setToolTip(tr("Double-cliquez sur la proposition qui convient au spécimen"));

    text1_ = new QPlainTextEdit;
    text1_->setObjectName("Text1");
    text1_->setReadOnly(true);

    text2_ = new QLineEdit;
    text2_->setObjectName("Text2");
    text2_->setReadOnly(true);
    QFont espece = text2_->font();
    espece.setPointSize(espece.pointSize() + 4);
    espece.setBold(true);
    espece.setItalic(true);
    text2_->setFont(espece);
    text2_->setStyleSheet("QLineEdit { color: #1d5e2c; }");

    auto *droite = new QWidget;
    auto *colonne = new QVBoxLayout(droite);
    colonne->setContentsMargins(0, 0, 0, 0);
    colonne->addWidget(cadre(tr("Espèce"), text2_));
    colonne->addWidget(cadre(tr("Proposition choisie"), text1_), 1);

    auto *separation = new QSplitter(Qt::Horizontal);
    separation->addWidget(cadre(tr("Propositions"), list1_));
    separation->addWidget(droite);
    separation->setStretchFactor(0, 3);
    separation->setStretchFactor(1, 2);

    auto *centre = new QWidget;
    auto *disposition = new QVBoxLayout(centre);
    disposition->addWidget(label6_);
    disposition->addWidget(separation, 1);
    setCentralWidget(centre);

    label18_ = new QLabel;
    label18_->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Preferred);
    label18_->setObjectName("Label18");
    label1_ = new QLabel;
    label1_->setObjectName("Label1");
    statusBar()->addWidget(label18_, 1);
    label1_->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    statusBar()->addWidget(label1_);

    connect(list1_, &QListWidget::itemDoubleClicked, this,
            [this](QListWidgetItem *item) { list1DoubleClic(list1_->row(item)); });
    resize(1100, 700);
    Rafraichit();
}

void FenetrePrincipale::ChargeCle(const std::string &chemin) {
    try {
        std::string c = chemin;
        lamelix::ChargeCle(modele_, c);
    } catch (const std::exception &) {
        // The model reports its own errors; nothing may reach the event loop.
    }
    Rafraichit();
}

void FenetrePrincipale::list1DoubleClic(int position) {
    try {
        modele_.List1.Selectionne(position);
        List1_DblClick(modele_);
    } catch (const std::exception &) {
    }
    Rafraichit();
}

void FenetrePrincipale::Rafraichit() {
    if (modele_.Caption.Version != vuCaption_) {
        setWindowTitle(qs(modele_.Caption.Caption));
        vuCaption_ = modele_.Caption.Version;
    }
    if (modele_.List1.Version != vuList1_) {
        list1_->clear();
        for (const ElementListe &e : modele_.List1.Items)
            list1_->addItem(qs(e.Texte).trimmed());
        if (modele_.List1.ListIndex >= 0 && modele_.List1.ListIndex < list1_->count())
            list1_->setCurrentRow(modele_.List1.ListIndex);
        vuList1_ = modele_.List1.Version;
    }
    if (modele_.Text1.Version != vuText1_) {
        text1_->setPlainText(qs(modele_.Text1.Text));
        vuText1_ = modele_.Text1.Version;
    }
    if (modele_.Text2.Version != vuText2_) {
        text2_->setText(qs(modele_.Text2.Text).trimmed());
        vuText2_ = modele_.Text2.Version;
    }
    if (modele_.Label1.Version != vuLabel1_) {
        label1_->setText(qs(modele_.Label1.Caption));
        label1_->setMinimumWidth(label1_->sizeHint().width());
        vuLabel1_ = modele_.Label1.Version;
    }
    if (modele_.Label6.Version != vuLabel6_) {
        label6_->setText(qs(modele_.Label6.Caption));
        label6_->setVisible(!modele_.Label6.Caption.empty());
        vuLabel6_ = modele_.Label6.Version;
    }
    if (modele_.Label18.Version != vuLabel18_) {
        label18_->setText(qs(modele_.Label18.Caption));
        vuLabel18_ = modele_.Label18.Version;
    }
}

} // namespace lamelix
