#include "ui/services_qt.hpp"

#include "ui/fenetre_aide.hpp"
#include "ui/filtres.hpp"

#include <algorithm>
#include <exception>

#include <QApplication>
#include <QClipboard>
#include <QDesktopServices>
#include <QDir>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QFileDialog>
#include <QInputDialog>
#include <QMessageBox>
#include <QNetworkAccessManager>
#include <QNetworkInformation>
#include <QNetworkReply>
#include <QNetworkRequest>
#include <QProcess>
#include <QTimer>
#include <QUrl>
#include <QWidget>

#ifdef Q_OS_UNIX
#include <signal.h>
#include <sys/types.h>
#endif

namespace lamelix {

ServicesQt::ServicesQt() = default;
ServicesQt::~ServicesQt() = default;

QString ServicesQt::titre(const std::string &t) const {
    if (!t.empty()) return QString::fromStdString(t);
    return fenetre_ ? fenetre_->windowTitle() : QStringLiteral("Lamelix");
}

const LibellesFenetre &ServicesQt::libelles() const {
    static const LibellesFenetre francais;
    return Libelles != nullptr ? *Libelles : francais;
}

// A dialog belongs to the window the user acted in (the tools window, a dialog already open),
// so that it shows over it rather than bringing the main window to the front.
QWidget *ServicesQt::parent() const {
    if (QWidget *modal = QApplication::activeModalWidget()) return modal;
    if (QWidget *active = QApplication::activeWindow()) return active;
    return fenetre_;
}

// A dialog shows over the window as the handler has left it so far (its title too).
void ServicesQt::Message(const std::string &texte, const std::string &t) {
    if (AuRepos) AuRepos();
    QMessageBox::information(parent(), titre(t), QString::fromStdString(texte));
}

int ServicesQt::question(const std::string &texte, const std::string &t, bool ouiParDefaut) {
    if (AuRepos) AuRepos();
    auto reponse = QMessageBox::question(parent(), titre(t), QString::fromStdString(texte),
                                         QMessageBox::Yes | QMessageBox::No,
                                         ouiParDefaut ? QMessageBox::Yes : QMessageBox::No);
    return reponse == QMessageBox::Yes ? ReponseOui : ReponseNon;
}

int ServicesQt::Question(const std::string &texte, const std::string &t) {
    return question(texte, t, true);
}

int ServicesQt::QuestionRisquee(const std::string &texte, const std::string &t) {
    return question(texte, t, false);
}

void ServicesQt::PressePapierVide() {
    QApplication::clipboard()->clear();
}

void ServicesQt::PressePapierTexte(const std::string &texte) {
    QApplication::clipboard()->setText(QString::fromStdString(texte));
}

std::string ServicesQt::PressePapierLire() {
    return QApplication::clipboard()->text().toStdString();
}

// Keys name their documents with Windows separators, relative to the key's folder.
bool ServicesQt::ShellEx(const std::string &cible, const std::string &dossier) {
    const QString texte = QString::fromStdString(cible).trimmed();
    if (texte.isEmpty()) return false;
    QUrl adresse(texte);
    if (adresse.scheme().size() < 2) { // no scheme, or a drive letter
        QString chemin = texte;
        chemin.replace(QLatin1Char('\\'), QLatin1Char('/'));
        adresse =
            QUrl::fromLocalFile(QDir(QString::fromStdString(dossier)).absoluteFilePath(chemin));
    }
    return QDesktopServices::openUrl(adresse);
}

long ServicesQt::LanceProgramme(const std::string &programme,
                                const std::vector<std::string> &arguments) {
    QStringList liste;
    for (const std::string &argument : arguments)
        liste << QString::fromStdString(argument);
    qint64 pid = 0;
    if (!QProcess::startDetached(QString::fromStdString(programme), liste, {}, &pid) || pid <= 0)
        return 0;
    const long id = static_cast<long>(pid);
    lances_.insert(id);
    return id;
}

// Only a program this session started is ended, and only once: an id from elsewhere, or one
// already ended, is refused rather than sent a signal.
bool ServicesQt::TermineProgramme(long id) {
    if (lances_.erase(id) == 0) return false;
#ifdef Q_OS_UNIX
    return ::kill(static_cast<pid_t>(id), SIGTERM) == 0;
#else
    return false;
#endif
}

// The system's view of the connection: the default network information backend, else the
// "glib" one (looked for once a session). When none can tell (none loads, or the one loaded does
// not know), the connection counts as there: nothing is refused for want of a probe.
bool ServicesQt::ConnexionInternet() {
    using Etat = QNetworkInformation::Reachability;
    const auto etat = [] {
        const QNetworkInformation *information = QNetworkInformation::instance();
        return information != nullptr ? information->reachability() : Etat::Unknown;
    };
    if (!sondeCherchee_) {
        sondeCherchee_ = true;
        if (QNetworkInformation::instance() == nullptr) QNetworkInformation::loadDefaultBackend();
        if (etat() == Etat::Unknown) QNetworkInformation::loadBackendByName(QStringLiteral("glib"));
    }
    const Etat e = etat();
    return e == Etat::Unknown || e == Etat::Online;
}

namespace {

// The kind of fault Qt reports, as the core tells them apart.
PanneHttp genre(QNetworkReply::NetworkError erreur) {
    switch (erreur) {
    case QNetworkReply::NoError:
        return PanneHttp::Aucune;
    case QNetworkReply::ConnectionRefusedError:
    case QNetworkReply::HostNotFoundError:
    case QNetworkReply::NetworkSessionFailedError:
    case QNetworkReply::TemporaryNetworkFailureError:
    case QNetworkReply::UnknownNetworkError:
    case QNetworkReply::ProxyConnectionRefusedError:
    case QNetworkReply::ProxyNotFoundError:
        return PanneHttp::Injoignable;
    case QNetworkReply::TimeoutError:
    case QNetworkReply::ProxyTimeoutError:
        return PanneHttp::Delai;
    case QNetworkReply::InsecureRedirectError:
    case QNetworkReply::TooManyRedirectsError:
        return PanneHttp::Redirection;
    default:
        return PanneHttp::Autre;
    }
}

} // namespace

// The request runs while a local event loop keeps the window drawing; it is aborted after
// DelaiRequeteMs. The body is read as it comes, and no further than TailleMaxReponse: a server
// that sends more is cut off rather than filling the memory. Whatever goes wrong comes back in
// Erreur and Panne, never as an exception.
ReponseHttp ServicesQt::Requete(const RequeteHttp &requete) {
    ReponseHttp reponse;
    try {
        if (AuRepos) AuRepos(); // the window says what it waits for
        if (!reseau_) reseau_ = std::make_unique<QNetworkAccessManager>();
        QNetworkRequest demande{QUrl(QString::fromStdString(requete.Adresse))};
        for (const auto &[nom, valeur] : requete.EnTetes)
            demande.setRawHeader(QByteArray::fromStdString(nom), QByteArray::fromStdString(valeur));
        // A redirection to another server would carry the body (a service's key) there too.
        demande.setAttribute(QNetworkRequest::RedirectPolicyAttribute,
                             QNetworkRequest::SameOriginRedirectPolicy);
        const QByteArray methode = QByteArray::fromStdString(requete.Methode).toUpper();
        const QByteArray corps = QByteArray::fromStdString(requete.Corps);
        // GET and HEAD through their own calls, which every scheme knows (file: and data:
        // addresses too); any other method as the server names it.
        std::unique_ptr<QNetworkReply> reponseQt(
            methode == "GET" && corps.isEmpty() ? reseau_->get(demande)
            : methode == "HEAD"                 ? reseau_->head(demande)
                                : reseau_->sendCustomRequest(demande, methode, corps));
        reponseQt->setReadBufferSize(static_cast<qint64>(TailleMaxReponse));

        QEventLoop boucle;
        QTimer delai;
        delai.setSingleShot(true);
        bool expire = false, tropLongue = false;
        QByteArray lu;
        const auto coupe = [&] {
            tropLongue = true;
            lu.clear();
            reponseQt->abort();
        };
        const auto lit = [&] {
            if (tropLongue || !reponseQt->isOpen()) return;
            lu += reponseQt->read(static_cast<qint64>(TailleMaxReponse) + 1 - lu.size());
            if (static_cast<std::size_t>(lu.size()) > TailleMaxReponse) coupe();
        };
        QObject::connect(&delai, &QTimer::timeout, reponseQt.get(), [&expire, &reponseQt] {
            expire = true;
            reponseQt->abort();
        });
        QObject::connect(reponseQt.get(), &QNetworkReply::metaDataChanged, &boucle, [&] {
            const QVariant taille = reponseQt->header(QNetworkRequest::ContentLengthHeader);
            if (taille.isValid() && taille.toULongLong() > TailleMaxReponse) coupe();
        });
        QObject::connect(reponseQt.get(), &QNetworkReply::readyRead, &boucle, lit);
        QObject::connect(reponseQt.get(), &QNetworkReply::finished, &boucle, &QEventLoop::quit);
        if (!reponseQt->isFinished()) {
            delai.start(DelaiRequeteMs);
            boucle.exec();
        }
        lit();

        reponse.Statut = reponseQt->attribute(QNetworkRequest::HttpStatusCodeAttribute).toInt();
        reponse.Texte = QString::fromUtf8(lu).toStdString();
        // Qt names an abort "Operation canceled": the user cancelled nothing.
        if (tropLongue) {
            reponse.Panne = PanneHttp::TropLongue;
            reponse.Erreur = "> " + std::to_string(TailleMaxReponse) + " octets";
        } else if (expire) {
            reponse.Panne = PanneHttp::Delai;
            reponse.Erreur = QString::fromStdString(libelles().SansReponse)
                                 .arg(std::max(1, DelaiRequeteMs / 1000))
                                 .toStdString();
        } else if (reponseQt->error() != QNetworkReply::NoError) {
            reponse.Panne = genre(reponseQt->error());
            // A redirection refused is told by where it led.
            const QByteArray ailleurs = reponseQt->rawHeader("Location");
            reponse.Erreur = reponse.Panne == PanneHttp::Redirection && !ailleurs.isEmpty()
                                 ? ailleurs.toStdString()
                                 : reponseQt->errorString().toStdString();
        }
    } catch (const std::exception &e) {
        reponse = ReponseHttp{};
        reponse.Panne = PanneHttp::Autre;
        reponse.Erreur = e.what();
    }
    return reponse;
}

// A long operation yields at every step (a documentation search at every file): the window is
// shown again and the events are handled at most every IntervalleReposMs, so that drawing does
// not take more time than the operation while the stop button still answers at once.
void ServicesQt::Patiente() {
    if (repos_.isValid() && repos_.elapsed() < IntervalleReposMs) return;
    repos_.start();
    if (AuRepos) AuRepos();
    QApplication::processEvents();
}

void ServicesQt::Bip() {
    QApplication::beep();
}

std::optional<std::string> ServicesQt::Saisie(const std::string &invite, const std::string &t,
                                              const std::string &defaut) {
    bool accepte = false;
    const QString texte =
        QInputDialog::getText(parent(), titre(t), QString::fromStdString(invite), QLineEdit::Normal,
                              QString::fromStdString(defaut), &accepte);
    if (!accepte) return std::nullopt;
    return texte.toStdString();
}

std::optional<std::string> ServicesQt::DialogueOuvrir(const std::string &filtre,
                                                      const std::string &dossier) {
    if (ReponseDialogue) return ReponseDialogue();
    const LibellesFenetre &l = libelles();
    const QString chemin = QFileDialog::getOpenFileName(
        parent(), QString::fromStdString(l.TitreOuvrir), QString::fromStdString(dossier),
        FiltreQt(filtre, QString::fromStdString(l.TousFichiers)));
    if (chemin.isEmpty()) return std::nullopt;
    return chemin.toStdString();
}

std::optional<std::string> ServicesQt::DialogueEnregistrer(const std::string &filtre,
                                                           const std::string &nomPropose,
                                                           const std::string &dossier) {
    if (ReponseDialogue) return ReponseDialogue();
    // The program itself replaces an existing file of that name without asking again.
    const LibellesFenetre &l = libelles();
    const QString chemin = QFileDialog::getSaveFileName(
        parent(), QString::fromStdString(l.TitreEnregistrer),
        QDir(QString::fromStdString(dossier)).filePath(QString::fromStdString(nomPropose)),
        FiltreQt(filtre, QString::fromStdString(l.TousFichiers)), nullptr,
        QFileDialog::DontConfirmOverwrite);
    if (chemin.isEmpty()) return std::nullopt;
    return chemin.toStdString();
}

void ServicesQt::Sablier(bool occupe) {
    if (occupe == sablier_) return;
    sablier_ = occupe;
    if (occupe)
        QApplication::setOverrideCursor(Qt::WaitCursor);
    else
        QApplication::restoreOverrideCursor();
}

double ServicesQt::Chrono() {
    static QElapsedTimer depart = [] {
        QElapsedTimer t;
        t.start();
        return t;
    }();
    return static_cast<double>(depart.nsecsElapsed()) / 1e9;
}

void ServicesQt::Aide(const std::string &page) {
    FenetreAide::Montre(QString::fromStdString(page), fenetre_, libelles());
}

} // namespace lamelix
