#include "ui/liaison_controles.hpp"

#include "ui/conversions.hpp"
#include "ui/liste_controle.hpp"

#include <utility>

#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSignalBlocker>

namespace lamelix {

namespace {

QString legende(const std::string &caption, const LibellesFenetre *legendes) {
    return qs(legendes ? legendes->Legende(caption) : caption);
}

// The controls a display reads: its model, and the interface language when it translates.
std::vector<const Controle *> lus(const Controle &modele, const LibellesFenetre *legendes) {
    if (legendes) return {&modele, legendes};
    return {&modele};
}

// The lines of a list widget or of a combo box, as the model holds them.
template <class Liste> void remplit(Liste *widget, const ListBox &modele) {
    widget->clear();
    for (const ElementListe &e : modele.Items)
        widget->addItem(qs(e.Texte));
}

} // namespace

QPushButton *bouton(const QString &nom) {
    auto *b = new QPushButton;
    b->setObjectName(nom);
    b->setAutoDefault(false);
    return b;
}

std::function<void()> Appel(Agit agit, std::function<void()> gestionnaire) {
    return [agit = std::move(agit), gestionnaire = std::move(gestionnaire)] { agit(gestionnaire); };
}

void RelieClic(QAbstractButton *bouton, const Agit &agit, std::function<void()> gestionnaire) {
    QObject::connect(bouton, &QAbstractButton::clicked, bouton,
                     Appel(agit, std::move(gestionnaire)));
}

void RelieClic(QAction *action, const Agit &agit, std::function<void()> gestionnaire) {
    QObject::connect(action, &QAction::triggered, action, Appel(agit, std::move(gestionnaire)));
}

void RelieMenu(QAction *action, const MenuItem &item, const Agit &agit,
               std::function<void()> gestionnaire) {
    QObject::connect(action, &QAction::triggered, action,
                     [action, &item, agit, gestionnaire = std::move(gestionnaire)] {
                         agit(gestionnaire);
                         const QSignalBlocker bloque(action);
                         action->setChecked(item.Checked);
                     });
}

void RelieCase(QCheckBox *boite, CheckBox &modele, const Agit &agit, std::function<void()> clic) {
    QObject::connect(boite, &QCheckBox::clicked, boite,
                     [&modele, agit, clic = std::move(clic)](bool coche) {
                         agit([&modele, &clic, coche] {
                             modele.SetValue(coche ? 1 : 0);
                             if (clic) clic();
                         });
                     });
}

void RelieOption(QAbstractButton *bouton, std::vector<OptionButton *> groupe, std::size_t choisi,
                 const Agit &agit) {
    QObject::connect(bouton, &QAbstractButton::clicked, bouton,
                     Appel(agit, [groupe = std::move(groupe), choisi] {
                         for (std::size_t i = 0; i < groupe.size(); ++i)
                             groupe[i]->SetValue(i == choisi);
                     }));
}

std::vector<OptionButton *> Groupe(std::span<OptionButton> options) {
    std::vector<OptionButton *> groupe;
    for (OptionButton &option : options)
        groupe.push_back(&option);
    return groupe;
}

void RelieSelection(QListWidget *liste, ListBox &modele, const Agit &agit) {
    QObject::connect(liste, &QListWidget::currentRowChanged, liste, [&modele, agit](int ligne) {
        agit([&modele, ligne] { modele.Selectionne(ligne); });
    });
}

void RelieDoubleClic(QListWidget *liste, ListBox &modele, const Agit &agit,
                     std::function<void()> gestionnaire) {
    QObject::connect(liste, &QListWidget::itemDoubleClicked, liste,
                     [liste, &modele, agit, gestionnaire = std::move(gestionnaire)] {
                         const int ligne = liste->currentRow();
                         agit([&modele, &gestionnaire, ligne] {
                             modele.Selectionne(ligne);
                             gestionnaire();
                         });
                     });
}

void RelieSelection(QComboBox *boite, ListBox &modele, const Agit &agit) {
    QObject::connect(boite, qOverload<int>(&QComboBox::activated), boite,
                     [&modele, agit](int i) { agit([&modele, i] { modele.Selectionne(i); }); });
}

void RelieTexte(QPlainTextEdit *widget, TextBox &modele, SuiviControles &suivi) {
    QObject::connect(widget, &QPlainTextEdit::textChanged, widget, [widget, &modele, &suivi] {
        modele.SetText(widget->toPlainText().toStdString());
        suivi.DejaVu(modele);
    });
    suivi.Lie({&modele}, [widget, &modele] {
        if (widget->toPlainText() == TexteQt(modele.Text)) return;
        const QSignalBlocker bloque(widget);
        widget->setPlainText(TexteQt(modele.Text));
    });
}

void RelieListe(ListeControle *liste, ListBox &modele, const Agit &agit, GestesListe gestes) {
    const auto selectionne = [&modele](int ligne) {
        if (ligne >= 0) modele.Selectionne(ligne);
    };
    const int selectionnant = gestes.BoutonsSelectionnant;
    if (const auto enfonce = gestes.Enfonce)
        liste->AuBoutonEnfonce = [agit, enfonce, selectionne, selectionnant](int b, int s, int l) {
            agit([&] {
                if ((b & selectionnant) != 0) selectionne(l);
                enfonce(b, s);
            });
        };
    if (const auto relache = gestes.Relache)
        liste->AuBoutonRelache = [agit, relache](int b, int s) { agit([&] { relache(b, s); }); };
    liste->AuClic = [agit, &modele, clic = gestes.Clic](int ligne) {
        agit([&] {
            modele.Selectionne(ligne);
            if (clic) clic();
        });
    };
    if (const auto doubleClic = gestes.DoubleClic)
        liste->AuDoubleClic = [agit, &modele, doubleClic](int ligne) {
            agit([&] {
                modele.Selectionne(ligne);
                doubleClic();
            });
        };
    const auto caractere = [&agit](const std::function<void(int16_t &)> &gestionnaire) {
        return [agit, gestionnaire](int code) {
            agit([&] {
                auto touche = static_cast<int16_t>(code);
                gestionnaire(touche);
            });
        };
    };
    if (gestes.Caractere) liste->AuCaractere = caractere(gestes.Caractere);
    if (gestes.CaractereVue) liste->AuCaractereVue = caractere(gestes.CaractereVue);
    if (gestes.ToucheEnfoncee) liste->AuToucheEnfoncee = Appel(agit, gestes.ToucheEnfoncee);
    if (gestes.ToucheRelachee) liste->AuToucheRelachee = Appel(agit, gestes.ToucheRelachee);
    if (gestes.FocusEntre || gestes.FocusSort)
        liste->AuFocus = [agit, entre = gestes.FocusEntre, sort = gestes.FocusSort](bool entree) {
            if (const auto &gestionnaire = entree ? entre : sort) agit(gestionnaire);
        };
}

void LieBouton(SuiviControles &suivi, QPushButton *widget, const CommandButton &modele,
               const LibellesFenetre *legendes) {
    const bool defautDuPanneau = widget->isDefault();
    suivi.Lie(lus(modele, legendes), [widget, &modele, legendes, defautDuPanneau] {
        widget->setText(legende(modele.Caption, legendes).simplified());
        widget->setEnabled(modele.Enabled);
        widget->setVisible(modele.Visible);
        widget->setDefault(defautDuPanneau || modele.Default);
    });
}

void LieCase(SuiviControles &suivi, QCheckBox *widget, const CheckBox &modele,
             const LibellesFenetre *legendes) {
    suivi.Lie(lus(modele, legendes), [widget, &modele, legendes] {
        const QSignalBlocker bloque(widget);
        widget->setText(legende(modele.Caption, legendes));
        widget->setChecked(modele.Value == 1);
        widget->setEnabled(modele.Enabled);
        widget->setVisible(modele.Visible);
    });
}

void LieOption(SuiviControles &suivi, QAbstractButton *widget, const OptionButton &modele,
               const LibellesFenetre &legendes) {
    suivi.Lie({&modele, &legendes}, [widget, &modele, &legendes] {
        const QSignalBlocker bloque(widget);
        widget->setText(legende(modele.Caption, &legendes));
        widget->setChecked(modele.Value);
    });
}

void LieMenu(SuiviControles &suivi, QAction *action, const MenuItem &item) {
    suivi.Lie({&item}, [action, &item] {
        const QSignalBlocker bloque(action);
        action->setText(qs(item.Caption));
        action->setChecked(item.Checked);
        action->setEnabled(item.Enabled);
        action->setVisible(item.Visible);
    });
}

void LieListe(SuiviControles &suivi, QListWidget *widget, const ListBox &modele) {
    suivi.Lie({&modele}, [widget, &modele] {
        const QSignalBlocker bloque(widget);
        remplit(widget, modele);
        widget->setCurrentRow(modele.ListIndex);
        widget->setEnabled(modele.Enabled);
    });
}

void LieListe(SuiviControles &suivi, QComboBox *widget, const ListBox &modele) {
    suivi.Lie({&modele}, [widget, &modele] {
        const QSignalBlocker bloque(widget);
        remplit(widget, modele);
        widget->setCurrentIndex(modele.ListIndex);
    });
}

void LieListe(SuiviControles &suivi, QComboBox *widget, const ListBox &modele,
              const TextesTraduits &noms) {
    suivi.Lie({&modele, &noms}, [widget, &modele, &noms] {
        const QSignalBlocker bloque(widget);
        widget->clear();
        for (const ElementListe &e : modele.Items)
            widget->addItem(qs(noms.Traduit(e.Texte)));
        widget->setCurrentIndex(modele.ListIndex);
    });
}

} // namespace lamelix
