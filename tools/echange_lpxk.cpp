// The key to an LPXK document, with libxml2's text writer.

#include "tools/echange_lpxk.hpp"

#include "key/requetes_cle.hpp"
#include "platform/texte.hpp"

#include <libxml/xmlwriter.h>
#include <memory>
#include <unordered_map>

namespace lamelix {

namespace {

const char *const PrefixeLamelix = "lamelix";

// XML 1.0 has no place for the control characters other than tab and line breaks.
std::string TexteXml(std::string_view texte) {
    std::string propre;
    propre.reserve(texte.size());
    for (const char c : texte)
        propre +=
            static_cast<unsigned char>(c) < 0x20 && c != '\t' && c != '\n' && c != '\r' ? ' ' : c;
    return propre;
}

using Ecrivain = std::unique_ptr<xmlTextWriter, decltype(&xmlFreeTextWriter)>;
using Tampon = std::unique_ptr<xmlBuffer, decltype(&xmlBufferFree)>;

const xmlChar *X(const char *texte) {
    return reinterpret_cast<const xmlChar *>(texte);
}

void Attribut(xmlTextWriterPtr w, const char *nom, std::string_view valeur) {
    xmlTextWriterWriteAttribute(w, X(nom), X(TexteXml(valeur).c_str()));
}

// An attribute of the program's namespace, left out when empty.
void AttributLamelix(xmlTextWriterPtr w, const char *nom, std::string_view valeur) {
    if (valeur.empty()) return;
    xmlTextWriterWriteAttributeNS(w, X(PrefixeLamelix), X(nom), nullptr,
                                  X(TexteXml(valeur).c_str()));
}

struct Etape {
    int16_t Entite = 0;
    std::vector<long> Lignes; // its propositions
    int Cle = 0;              // the secondary key it opens, 0 when it opens none
    std::string Entete;       // that secondary key's header text
};

// The steps in the order of their first proposition, each secondary key marked on its first.
std::vector<Etape> Etapes(const CleCompilee &cle) {
    std::vector<Etape> etapes;
    std::unordered_map<int16_t, std::size_t> rang;
    int cleOuverte = 0;
    std::string entete;
    for (long i = 1; i <= DerniereLigneCle(cle); ++i) {
        const LigneCle &l = cle.TabLignes(i);
        if (l.E < 0) {
            cleOuverte = -l.E;
            entete = SansBlancs(l.Description);
            continue;
        }
        if (l.E < 1 || EstNote(cle, i)) continue;
        auto [place, nouvelle] = rang.try_emplace(l.E, etapes.size());
        if (nouvelle) {
            etapes.push_back({l.E, {}, cleOuverte, entete});
            cleOuverte = 0;
            entete.clear();
        }
        etapes[place->second].Lignes.push_back(i);
    }
    return etapes;
}

std::string TexteProposition(const CleCompilee &cle, long i) {
    std::string texte = SansBlancs(cle.TabLignes(i).Description);
    for (long j = i + 1; j <= DerniereLigneCle(cle) && EstNote(cle, j); ++j)
        texte.append(1, '\n').append(SansBlancs(cle.TabLignes(j).Description));
    return texte;
}

} // namespace

std::string LpxkDeLaCle(const CleCompilee &cle) {
    const Tampon tampon(xmlBufferCreate(), xmlBufferFree);
    const Ecrivain w(xmlNewTextWriterMemory(tampon.get(), 0), xmlFreeTextWriter);
    if (!w) return {};
    xmlTextWriterSetIndent(w.get(), 1);
    xmlTextWriterSetIndentString(w.get(), X("  "));
    xmlTextWriterStartDocument(w.get(), "1.0", "UTF-8", nullptr);
    xmlTextWriterStartElement(w.get(), X("PhoenixKey"));
    Attribut(w.get(), "title", cle.TitreCle);
    Attribut(w.get(), "CreatedIn", "Lamelix");
    xmlTextWriterWriteAttribute(w.get(), X("xmlns:lamelix"), X(EspaceLpxkLamelix));
    AttributLamelix(w.get(), "commentaire", cle.CommentaireCle);

    const std::vector<Etape> etapes = Etapes(cle);
    // Every taxon once, in the order the key first reaches it.
    std::unordered_map<std::string, std::string> identites;
    for (const Etape &e : etapes)
        for (long i : e.Lignes) {
            const LigneCle &l = cle.TabLignes(i);
            const std::string nom = SansBlancs(l.NomEspece);
            if (l.S != 0 || nom.empty() || identites.count(nom)) continue;
            const std::string id = "i" + std::to_string(identites.size() + 1);
            identites[nom] = id;
            xmlTextWriterStartElement(w.get(), X("Identity"));
            Attribut(w.get(), "id", id);
            Attribut(w.get(), "name", nom);
            xmlTextWriterEndElement(w.get());
        }

    xmlTextWriterStartElement(w.get(), X("Steps"));
    if (!etapes.empty())
        Attribut(w.get(), "firstStepID", "s" + std::to_string(etapes.front().Entite));
    for (const Etape &e : etapes) {
        const std::string id = "s" + std::to_string(e.Entite);
        xmlTextWriterStartElement(w.get(), X("Step"));
        Attribut(w.get(), "id", id);
        Attribut(w.get(), "text", "");
        if (e.Cle > 0) {
            AttributLamelix(w.get(), "cle", std::to_string(e.Cle));
            AttributLamelix(w.get(), "entete", e.Entete);
        }
        int rang = 0;
        for (long i : e.Lignes) {
            const LigneCle &l = cle.TabLignes(i);
            const std::string nom = SansBlancs(l.NomEspece);
            xmlTextWriterStartElement(w.get(), X("Lead"));
            Attribut(w.get(), "stepid", id);
            Attribut(w.get(), "leadid", id + "l" + std::to_string(rang++));
            if (l.S > 0)
                Attribut(w.get(), "goto", "s" + std::to_string(l.S));
            else if (!nom.empty())
                Attribut(w.get(), "goto", identites.at(nom));
            if (l.S > 0) AttributLamelix(w.get(), "nom", nom);
            AttributLamelix(w.get(), "complements", SansBlancs(l.Complements));
            xmlTextWriterWriteElement(w.get(), X("Text"),
                                      X(TexteXml(TexteProposition(cle, i)).c_str()));
            xmlTextWriterEndElement(w.get());
        }
        xmlTextWriterEndElement(w.get());
    }
    xmlTextWriterEndDocument(w.get());
    xmlTextWriterFlush(w.get());
    return {reinterpret_cast<const char *>(xmlBufferContent(tampon.get())),
            static_cast<std::size_t>(xmlBufferLength(tampon.get()))};
}

} // namespace lamelix
