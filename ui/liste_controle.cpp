#include "ui/liste_controle.hpp"

#include "consult/lamelix.hpp"
#include "ui/conversions.hpp"
#include "ui/couleurs.hpp"

#include <algorithm>

#include <QApplication>
#include <QFocusEvent>
#include <QFontMetrics>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QPalette>
#include <QPlainTextEdit>
#include <QSignalBlocker>
#include <QStyledItemDelegate>

namespace lamelix {

namespace {

int numeroBouton(Qt::MouseButton bouton) {
    switch (bouton) {
    case Qt::LeftButton:
        return BoutonGauche;
    case Qt::RightButton:
        return BoutonDroit;
    case Qt::MiddleButton:
        return 4;
    default:
        return 0;
    }
}

int etatShift(const QInputEvent *event) {
    return event->modifiers().testFlag(Qt::ShiftModifier) ? ToucheShift : 0;
}

// A focus change that the user made inside the window, not a menu opening or another window
// taking the keyboard.
bool focusDeLUtilisateur(const QFocusEvent *event) {
    return event->reason() != Qt::ActiveWindowFocusReason &&
           event->reason() != Qt::PopupFocusReason;
}

// The character a key gives, 0 for a key that types none (arrows, function keys...).
int codeCaractere(const QKeyEvent *event) {
    if (event->key() == Qt::Key_Escape) return 27;
    const QString texte = event->text();
    if (texte.size() != 1) return 0;
    const int code = texte.at(0).unicode();
    return code >= 32 ? code : 0;
}

} // namespace

// Rows a little apart, with a faint line under each: a long proposition that wraps stays one
// proposition to the eye.
class LignesAerees : public QStyledItemDelegate {
  public:
    using QStyledItemDelegate::QStyledItemDelegate;
    int Marge = 5; // pixels above and below the text of a row

    QSize sizeHint(const QStyleOptionViewItem &option, const QModelIndex &index) const override {
        return QStyledItemDelegate::sizeHint(option, index) + QSize(0, 2 * Marge);
    }
    void paint(QPainter *peintre, const QStyleOptionViewItem &option,
               const QModelIndex &index) const override {
        QStyledItemDelegate::paint(peintre, option, index);
        const QPalette &p = option.palette;
        peintre->save();
        peintre->setPen(Melange(p.color(QPalette::Base), p.color(QPalette::Text), 0.12));
        peintre->drawLine(option.rect.bottomLeft(), option.rect.bottomRight());
        peintre->restore();
    }
};

ListeControle::ListeControle(QWidget *parent) : QListWidget(parent) {
    setSelectionMode(QAbstractItemView::SingleSelection);
    setWordWrap(true);
    setUniformItemSizes(false);
    setResizeMode(QListView::Adjust); // wrapped lines are laid out again at every width
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);

    delegue_ = new LignesAerees(this);
    setItemDelegate(delegue_);
}

QPlainTextEdit *ListeControle::Vue() {
    if (vue_ != nullptr) return vue_;
    vue_ = new QPlainTextEdit(this);
    vue_->setObjectName(nomVue_);
    vue_->hide();
    vue_->setReadOnly(true);
    vue_->setLineWrapMode(QPlainTextEdit::WidgetWidth);
    // The enlarged line reads as a note laid over the list, in the desktop's tooltip colours.
    vue_->setFrameShape(QFrame::Box);
    vue_->setLineWidth(2);
    vue_->document()->setDocumentMargin(8);
    peintVue();
    vue_->installEventFilter(this);
    setTabOrder(this, vue_); // the keyboard reaches it right after its list, as when made with it
    return vue_;
}

void ListeControle::Deconnecte() {
    AuBoutonEnfonce = nullptr;
    AuBoutonRelache = nullptr;
    AuClic = nullptr;
    AuDoubleClic = nullptr;
    AuCaractere = nullptr;
    AuToucheEnfoncee = nullptr;
    AuToucheRelachee = nullptr;
    AuFocus = nullptr;
    AuCaractereVue = nullptr;
}

namespace {

// A row shows at most this many characters, the enlarged view a hundred times more: laying out
// wrapped text costs more than linear time in the length of a line, and a key line of megabytes
// would hold the window for seconds or minutes. The whole text stays in the model.
constexpr qsizetype LongueurMaxLigne = 4000;
constexpr qsizetype LongueurMaxVue = 400000;

QString coupe(QString texte, qsizetype longueur) {
    if (texte.size() > longueur) {
        texte.truncate(longueur);
        texte += QChar(0x2026);
    }
    return texte;
}

QString ligneAffichee(const std::string &texte) {
    return coupe(TexteQt(texte).trimmed(), LongueurMaxLigne);
}

} // namespace

void ListeControle::Montre(const ListBox &modele) {
    const QSignalBlocker bloque(this);
    const auto meme = [](const std::string &a, const ElementListe &b) { return a == b.Texte; };
    // A list that only grew (a search adding its finds as it goes) gets its new lines only.
    const bool prefixe = textes_.size() <= modele.Items.size() &&
                         std::equal(textes_.begin(), textes_.end(), modele.Items.begin(), meme);
    if (prefixe && textes_.size() < modele.Items.size()) {
        QStringList lignes;
        for (std::size_t i = textes_.size(); i < modele.Items.size(); ++i) {
            textes_.push_back(modele.Items[i].Texte);
            lignes.push_back(ligneAffichee(modele.Items[i].Texte));
            lignesEcrites_ += lignes.back().isEmpty() ? 0 : 1;
        }
        addItems(lignes);
    } else if (!prefixe) {
        clear();
        textes_.clear();
        lignesEcrites_ = 0;
        textes_.reserve(modele.Items.size());
        QStringList lignes;
        lignes.reserve(static_cast<qsizetype>(modele.Items.size()));
        for (const ElementListe &e : modele.Items) {
            textes_.push_back(e.Texte);
            lignes.push_back(ligneAffichee(e.Texte));
            lignesEcrites_ += lignes.back().isEmpty() ? 0 : 1;
        }
        addItems(lignes);
    }
    prevoitDefilement(); // before the selection is scrolled to, which lays the rows out
    if (modele.ListIndex >= 0 && modele.ListIndex < count()) {
        setCurrentRow(modele.ListIndex);
        scrollToItem(item(modele.ListIndex));
    } else {
        setCurrentRow(-1);
        clearSelection();
    }
    if (fond_ != modele.BackColor) {
        fond_ = modele.BackColor;
        // The window's background is the desktop's; another one (the hits of a search) gets
        // an ink that reads on it in a light or a dark theme.
        QPalette p;
        if (fond_ != CouleurFondFenetre) {
            const QColor fond = CouleurQt(fond_);
            p.setColor(QPalette::Base, fond);
            p.setColor(QPalette::AlternateBase, fond.darker(104));
            p.setColor(QPalette::Text, EncreSur(fond));
        }
        setPalette(p);
    }
    if (taille_ != modele.FontSize) {
        taille_ = modele.FontSize;
        QFont police = font();
        police.setPointSize(std::clamp(taille_, 6, 48));
        setFont(police);
    }
    prevoitDefilement();
    setEnabled(modele.Enabled);
}

// A list sure to overflow gets its scroll bar before its rows are laid out. Qt would otherwise
// measure every wrapped row at the width without the bar, find that they overflow, and measure
// them all again at the narrower width: twice the work for a long list of names. Each row is at
// least its margins high, and a row with text a line's ascent more, so the bar would come in any
// case.
void ListeControle::prevoitDefilement() {
    const qint64 hauteurMin = static_cast<qint64>(count()) * 2 * delegue_->Marge +
                              lignesEcrites_ * QFontMetrics(font()).ascent();
    const bool deborde = hauteurMin > maximumViewportSize().height();
    setVerticalScrollBarPolicy(deborde ? Qt::ScrollBarAlwaysOn : Qt::ScrollBarAsNeeded);
}

void ListeControle::MontreVue(const QString &texte, int taillePoints) {
    QFont police = font();
    police.setPointSize(std::clamp(taillePoints, 6, 60));
    Vue()->setFont(police);
    vue_->setPlainText(coupe(texte, LongueurMaxVue));
    vue_->show();
    vue_->raise();
    placeVue();
}

void ListeControle::CacheVue() {
    if (vue_ != nullptr) vue_->hide();
}

// The enlarged view covers the half of the list that does not hold the selected line.
void ListeControle::placeVue() {
    if (vue_ == nullptr || vue_->isHidden()) return;
    const int marge = 8;
    const int largeur = std::max(60, width() - 2 * marge);
    const QFontMetrics mesure(vue_->font());
    const QRect texte = mesure.boundingRect(QRect(0, 0, largeur - 28, 100000), Qt::TextWordWrap,
                                            vue_->toPlainText());
    const int hauteur = std::min(texte.height() + 30, std::max(40, height() * 2 / 3));
    int y = height() - hauteur - marge;
    if (QListWidgetItem *choisi = currentItem()) {
        if (visualItemRect(choisi).center().y() > viewport()->height() / 2) y = marge;
    }
    vue_->setGeometry(marge, y, largeur, hauteur);
}

void ListeControle::peintVue() {
    const QPalette bureau = QApplication::palette();
    QPalette note;
    note.setBrush(QPalette::Base, bureau.toolTipBase());
    note.setBrush(QPalette::Text, bureau.toolTipText());
    vue_->setPalette(note);
}

void ListeControle::changeEvent(QEvent *event) {
    QListWidget::changeEvent(event);
    if (event->type() == QEvent::ApplicationPaletteChange && vue_ != nullptr) peintVue();
}

void ListeControle::FixeMargeLignes(int pixels) {
    delegue_->Marge = pixels;
    prevoitDefilement();
    doItemsLayout();
}

void ListeControle::FixeTexteVide(const QString &texte) {
    if (texte == texteVide_) return;
    texteVide_ = texte;
    viewport()->update();
}

void ListeControle::paintEvent(QPaintEvent *event) {
    QListWidget::paintEvent(event);
    if (count() > 0 || texteVide_.isEmpty()) return;
    QPainter peintre(viewport());
    peintre.setPen(palette().color(QPalette::PlaceholderText));
    peintre.drawText(viewport()->rect().adjusted(28, 28, -28, -28),
                     Qt::AlignCenter | Qt::TextWordWrap, texteVide_);
}

void ListeControle::mousePressEvent(QMouseEvent *event) {
    const int bouton = numeroBouton(event->button());
    apresDoubleClic_ = false;
    if (event->button() == Qt::LeftButton) {
        QListWidget::mousePressEvent(event);
        lignePressee_ = indexAt(event->position().toPoint()).row();
    } else {
        event->accept(); // the other buttons neither select nor open a menu
    }
    if (bouton != 0 && AuBoutonEnfonce)
        AuBoutonEnfonce(bouton, etatShift(event), indexAt(event->position().toPoint()).row());
}

void ListeControle::mouseReleaseEvent(QMouseEvent *event) {
    const int bouton = numeroBouton(event->button());
    if (event->button() == Qt::LeftButton) {
        QListWidget::mouseReleaseEvent(event);
        const int ligne = indexAt(event->position().toPoint()).row();
        const bool clic = !apresDoubleClic_ && ligne >= 0 && ligne == lignePressee_;
        apresDoubleClic_ = false;
        if (clic && AuClic) AuClic(ligne);
    } else {
        event->accept();
    }
    if (bouton != 0 && AuBoutonRelache) AuBoutonRelache(bouton, etatShift(event));
}

void ListeControle::mouseDoubleClickEvent(QMouseEvent *event) {
    const int ligne = indexAt(event->position().toPoint()).row();
    if (event->button() != Qt::LeftButton || ligne < 0 || ligne != lignePressee_) {
        mousePressEvent(event); // a second press somewhere else is only a press
        return;
    }
    event->accept();
    apresDoubleClic_ = true;
    if (AuDoubleClic) AuDoubleClic(ligne);
}

void ListeControle::keyPressEvent(QKeyEvent *event) {
    if (AuToucheEnfoncee) AuToucheEnfoncee();
    if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) {
        event->accept();
        if (currentRow() >= 0 && AuDoubleClic) AuDoubleClic(currentRow());
        return;
    }
    const int code = codeCaractere(event);
    // Esc closes the enlarged view; without one, it goes on to the window (which closes its
    // open panel), as Backspace does (the back step).
    if (code == 27 || event->key() == Qt::Key_Backspace) {
        const bool vue = vue_ != nullptr && vue_->isVisible();
        if (code != 0 && AuCaractere) AuCaractere(code);
        event->setAccepted(code == 27 && vue);
        return;
    }
    const int avant = currentRow();
    QListWidget::keyPressEvent(event);
    if (currentRow() != avant && currentRow() >= 0 && AuClic) AuClic(currentRow());
    if (code != 0 && AuCaractere) AuCaractere(code);
}

void ListeControle::keyReleaseEvent(QKeyEvent *event) {
    QListWidget::keyReleaseEvent(event);
    if (!event->isAutoRepeat() && AuToucheRelachee) AuToucheRelachee();
}

void ListeControle::focusInEvent(QFocusEvent *event) {
    QListWidget::focusInEvent(event);
    if (focusDeLUtilisateur(event) && AuFocus) AuFocus(true);
}

void ListeControle::focusOutEvent(QFocusEvent *event) {
    QListWidget::focusOutEvent(event);
    if (focusDeLUtilisateur(event) && AuFocus) AuFocus(false);
}

void ListeControle::resizeEvent(QResizeEvent *event) {
    QListWidget::resizeEvent(event);
    prevoitDefilement();
    placeVue();
}

bool ListeControle::eventFilter(QObject *objet, QEvent *event) {
    if (objet == vue_ && event->type() == QEvent::KeyPress) {
        const int code = codeCaractere(static_cast<QKeyEvent *>(event));
        if (code != 0 && AuCaractereVue) AuCaractereVue(code);
        if (code == 27) return true;
    }
    return QListWidget::eventFilter(objet, event);
}

} // namespace lamelix
