#include "cli/console.hpp"

namespace lamelix {

namespace {

void ajouteCode(std::string &sortie, unsigned code) {
    static const char chiffres[] = "0123456789abcdef";
    sortie += "\\x";
    sortie += chiffres[code >> 4];
    sortie += chiffres[code & 0xF];
}

// Writes the text, each control character as Echappe writes it; the line structure (TAB, CR, LF)
// and backslashes as they are when garde is set.
std::string echappe(const std::string &texte, bool garde) {
    std::string sortie;
    sortie.reserve(texte.size());
    for (std::size_t i = 0; i < texte.size(); ++i) {
        const auto octet = static_cast<unsigned char>(texte[i]);
        if (garde && (octet == '\t' || octet == '\\' || octet == '\r' || octet == '\n')) {
            sortie += texte[i];
            continue;
        }
        switch (octet) {
        case '\t':
            sortie += "\\t";
            continue;
        case '\\':
            sortie += "\\\\";
            continue;
        case '\r':
            sortie += "\\r";
            continue;
        case '\n':
            sortie += "\\n";
            continue;
        default:
            break;
        }
        if (octet < 0x20 || octet == 0x7F) {
            ajouteCode(sortie, octet);
        } else if (octet == 0xC2 && i + 1 < texte.size() &&
                   (static_cast<unsigned char>(texte[i + 1]) & 0xE0) == 0x80) {
            // U+0080 to U+009F, the C1 controls, are C2 80 to C2 9F in UTF-8; their second
            // byte is the code point. Other bytes from 0x80 on belong to ordinary letters.
            ajouteCode(sortie, static_cast<unsigned char>(texte[++i]));
        } else {
            sortie += texte[i];
        }
    }
    return sortie;
}

} // namespace

std::string Echappe(const std::string &texte) {
    return echappe(texte, false);
}

std::string EchappeCommandes(const std::string &texte) {
    return echappe(texte, true);
}

bool ServicesConsole::ShellEx(const std::string &cible, const std::string &) {
    sortie_ << "ouvre: " << Echappe(cible) << '\n';
    return true;
}

void ServicesConsole::Message(const std::string &texte, const std::string &) {
    sortie_ << "message: " << Echappe(texte) << '\n';
}

int ServicesConsole::Question(const std::string &texte, const std::string &) {
    sortie_ << "question: " << Echappe(texte) << (oui_ ? " -> oui" : " -> non") << '\n';
    return oui_ ? ReponseOui : ReponseNon;
}

void ServicesConsole::PressePapierTexte(const std::string &texte) {
    pressePapier_ = texte;
    sortie_ << "presse-papier: " << Echappe(texte) << '\n';
}

ReponseHttp ServicesConsole::Requete(const RequeteHttp &) {
    ReponseHttp reponse;
    reponse.Erreur = "pas de réseau en ligne de commande";
    return reponse;
}

double ServicesConsole::Chrono() {
    return std::chrono::duration<double>(std::chrono::steady_clock::now() - depart_).count();
}

} // namespace lamelix
