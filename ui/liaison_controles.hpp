#pragma once

// One idea: a widget is bound to its control model both ways. The user's gesture becomes the
// model change it stands for (the value of a check box, the line selected) and a call of the
// handler, always through the window's handler runner (FenetrePrincipale::agit: one handler at a
// time, under the error trap, the widgets shown again after it), so that no exception reaches
// Qt. The model's changes reach the widget through the shared tracker.

#include "consult/lamelix.hpp"
#include "consult/libelles.hpp"
#include "settings/textes_traduits.hpp"
#include "ui/suivi_controles.hpp"

#include <cstddef>
#include <cstdint>
#include <functional>
#include <span>
#include <vector>

#include <QString>

class QAbstractButton;
class QAction;
class QCheckBox;
class QComboBox;
class QListWidget;
class QPlainTextEdit;
class QPushButton;

namespace lamelix {

class ListeControle;

// The window's handler runner: false when it refused the action (another handler runs).
using Agit = std::function<bool(const std::function<void()> &)>;

// A push button named as its control, never made the default by the focus alone.
QPushButton *bouton(const QString &nom);

// A handler as a widget callback or a Qt slot: it runs through the runner.
std::function<void()> Appel(Agit agit, std::function<void()> gestionnaire);

// From the user to the model.
// A click on a button, or a menu action triggered, runs the handler.
void RelieClic(QAbstractButton *bouton, const Agit &agit, std::function<void()> gestionnaire);
void RelieClic(QAction *action, const Agit &agit, std::function<void()> gestionnaire);
// A menu item: its handler runs; a checkable item then shows the model's check, not its own.
void RelieMenu(QAction *action, const MenuItem &item, const Agit &agit,
               std::function<void()> gestionnaire);
// A check box: its new value goes to the model, then the handler runs (when there is one).
void RelieCase(QCheckBox *boite, CheckBox &modele, const Agit &agit,
               std::function<void()> clic = {});
// An option button of a group: the one clicked is chosen in the model, the others are not.
void RelieOption(QAbstractButton *bouton, std::vector<OptionButton *> groupe, std::size_t choisi,
                 const Agit &agit);
std::vector<OptionButton *> Groupe(std::span<OptionButton> options);
// The line the user selects goes to the list's model.
void RelieSelection(QListWidget *liste, ListBox &modele, const Agit &agit);
void RelieSelection(QComboBox *boite, ListBox &modele, const Agit &agit);
// A double click selects its line in the model, then runs the handler.
void RelieDoubleClic(QListWidget *liste, ListBox &modele, const Agit &agit,
                     std::function<void()> gestionnaire);
// A text box both ways: what the user types goes to the model at once (no handler runs; the
// widget already shows it), the model's text to the widget.
void RelieTexte(QPlainTextEdit *widget, TextBox &modele, SuiviControles &suivi);

// The gestures of a list box that have handlers. A click always selects its line first; a press
// of one of the selecting buttons too (the right button enlarges the line it is pressed on).
struct GestesListe {
    int BoutonsSelectionnant = BoutonGauche;
    std::function<void(int bouton, int shift)> Enfonce = {}, Relache = {};
    std::function<void()> Clic = {}, DoubleClic = {};
    std::function<void(int16_t &touche)> Caractere = {}, CaractereVue = {};
    std::function<void()> ToucheEnfoncee = {}, ToucheRelachee = {}, FocusEntre = {}, FocusSort = {};
};
void RelieListe(ListeControle *liste, ListBox &modele, const Agit &agit, GestesListe gestes);

// From the model to the widget. legendes, where given, writes the model's French caption in the
// interface language (the search windows' models hold French captions).
// A button: its caption on one line, enabled, visible; it is the default button while its model
// says so, or always when it was made the default of its panel before being bound.
void LieBouton(SuiviControles &suivi, QPushButton *widget, const CommandButton &modele,
               const LibellesFenetre *legendes = nullptr);
void LieCase(SuiviControles &suivi, QCheckBox *widget, const CheckBox &modele,
             const LibellesFenetre *legendes = nullptr);
void LieOption(SuiviControles &suivi, QAbstractButton *widget, const OptionButton &modele,
               const LibellesFenetre &legendes);
void LieMenu(SuiviControles &suivi, QAction *action, const MenuItem &item);
// A list's lines and selection (and, for a list box, whether it is enabled).
void LieListe(SuiviControles &suivi, QListWidget *widget, const ListBox &modele);
void LieListe(SuiviControles &suivi, QComboBox *widget, const ListBox &modele);
// A list of French names (the translation languages) shown in the interface language: the model
// keeps the names the settings and the keys use.
void LieListe(SuiviControles &suivi, QComboBox *widget, const ListBox &modele,
              const TextesTraduits &noms);

} // namespace lamelix
