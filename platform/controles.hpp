#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace lamelix {

// Plain-data models of the window controls. The core reads and writes them as the procedures
// name them (List1, Text2, Label6...); the Qt skin shows them. Handlers change a control only
// through its setters, each of which bumps the change counter, so that the skin refreshes
// exactly the controls that changed. (The fields stay readable; the initial state a window sets
// before it is first shown needs no counting.)

class Controle {
  public:
    uint64_t Version = 0; // bumped at every change
    bool Visible = true;
    bool Enabled = true;
    void SetVisible(bool visible) {
        Visible = visible;
        Change();
    }
    void SetEnabled(bool actif) {
        Enabled = actif;
        Change();
    }

  protected:
    void Change() { ++Version; }
};

struct ElementListe {
    std::string Texte;
    long ItemData = 0;
};

// A list box, or the list part of a combo box.
struct ListBox : Controle {
    std::vector<ElementListe> Items;
    int ListIndex = -1; // selected position, -1 when none
    uint32_t BackColor = 0xFFFFFF;
    int FontSize = 10;

    void Clear() {
        Items.clear();
        ListIndex = -1;
        Change();
    }
    void AddItem(std::string texte, long donnee = 0) {
        Items.push_back({std::move(texte), donnee});
        Change();
    }
    int ListCount() const { return static_cast<int>(Items.size()); }
    // The text of the selected entry, "" when none is selected.
    std::string TexteSelectionne() const {
        return ListIndex >= 0 && ListIndex < ListCount()
                   ? Items[static_cast<std::size_t>(ListIndex)].Texte
                   : std::string{};
    }
    void Selectionne(int position) {
        ListIndex = position;
        Change();
    }
    void RemoveItem(int position) {
        if (position < 0 || position >= ListCount()) return;
        Items.erase(Items.begin() + position);
        if (ListIndex >= ListCount()) ListIndex = ListCount() - 1;
        Change();
    }
    void SetBackColor(uint32_t couleur) {
        BackColor = couleur;
        Change();
    }
    void SetFontSize(int taille) {
        FontSize = taille;
        Change();
    }
};

struct TextBox : Controle {
    std::string Text;
    uint32_t ForeColor = 0; // 0 black, 255 red
    int FontSize = 10;
    int SelStart = 0; // the selection, in bytes of Text
    int SelLength = 0;
    void SetText(std::string texte) {
        Text = std::move(texte);
        Change();
    }
    void Append(std::string_view texte) {
        Text.append(texte);
        Change();
    }
    // Replaces longueur bytes from debut (both within Text) and leaves the caret after them.
    void Remplace(std::size_t debut, std::size_t longueur, std::string_view par) {
        Text.replace(debut, longueur, par);
        SelStart = static_cast<int>(debut + par.size());
        SelLength = 0;
        Change();
    }
    void SetSelection(int debut, int longueur) {
        SelStart = debut;
        SelLength = longueur;
        Change();
    }
    void SetForeColor(uint32_t couleur) {
        ForeColor = couleur;
        Change();
    }
    void SetFontSize(int taille) {
        FontSize = taille;
        Change();
    }
};

struct Label : Controle {
    std::string Caption;
    uint32_t ForeColor = 0;
    void SetCaption(std::string texte) {
        Caption = std::move(texte);
        Change();
    }
    void SetForeColor(uint32_t couleur) {
        ForeColor = couleur;
        Change();
    }
};

struct CommandButton : Controle {
    std::string Caption;
    bool Default = false;
    void SetCaption(std::string texte) {
        Caption = std::move(texte);
        Change();
    }
    void SetDefault(bool defaut) {
        Default = defaut;
        Change();
    }
};

struct CheckBox : Controle {
    std::string Caption;
    int Value = 0; // 0 unchecked, 1 checked
    void SetCaption(std::string texte) {
        Caption = std::move(texte);
        Change();
    }
    void SetValue(int valeur) {
        Value = valeur;
        Change();
    }
};

// An option button: one of a group of which the user checks one.
struct OptionButton : Controle {
    std::string Caption;
    bool Value = false;
    void SetCaption(std::string texte) {
        Caption = std::move(texte);
        Change();
    }
    void SetValue(bool coche) {
        Value = coche;
        Change();
    }
};

struct MenuItem : Controle {
    std::string Caption;
    bool Checked = false;
    void SetCaption(std::string texte) {
        Caption = std::move(texte);
        Change();
    }
    void SetChecked(bool coche) {
        Checked = coche;
        Change();
    }
};

// A panel, a picture box or a secondary window: what matters to the core is whether it shows.
struct Frame : Controle {
    std::string Caption;
    void SetCaption(std::string texte) {
        Caption = std::move(texte);
        Change();
    }
};

} // namespace lamelix
