#include "search/page_html.hpp"

#include "platform/utf8.hpp"
#include "search/page_bornee.hpp"

#include <climits>
#include <cstring>
#include <functional>
#include <libxml/HTMLparser.h>
#include <libxml/HTMLtree.h>
#include <libxml/tree.h>
#include <memory>

namespace lamelix {

namespace {

struct LibereDocument {
    void operator()(xmlDoc *d) const { xmlFreeDoc(d); }
};
using Document = std::unique_ptr<xmlDoc, LibereDocument>;

// The page in the program's text. The parser then never meets a faulty byte: it would pass
// such a byte through as it stands, and record an error for each one.
std::string texteDeLaPage(std::string_view html) {
    std::string texte;
    texte.reserve(html.size());
    for (std::size_t debut = 0; debut < html.size();) {
        const std::size_t saut = html.find('\n', debut);
        const std::size_t fin = saut == std::string_view::npos ? html.size() : saut + 1;
        texte += DecodeUTF8(html.substr(debut, fin - debut));
        debut = fin;
    }
    return texte;
}

Document lit(std::string_view page) {
    if (page.empty() || page.size() > TaillePageMax) return nullptr;
    const std::string html = ReecritPage(texteDeLaPage(page));
    if (html.size() > static_cast<std::size_t>(INT_MAX)) return nullptr;
    // Quiet: a page's faults are recovered, never printed; no network access for its DTD.
    const int options =
        HTML_PARSE_RECOVER | HTML_PARSE_NOERROR | HTML_PARSE_NOWARNING | HTML_PARSE_NONET;
    return Document(
        htmlReadMemory(html.data(), static_cast<int>(html.size()), nullptr, "UTF-8", options));
}

std::string attribut(xmlNode *n, const char *nom) {
    xmlChar *valeur = xmlGetProp(n, reinterpret_cast<const xmlChar *>(nom));
    if (valeur == nullptr) return {};
    std::string s(reinterpret_cast<const char *>(valeur));
    xmlFree(valeur);
    return s;
}

// The first element, in document order, that satisfies the test; walked without recursion so
// that a deeply nested page cannot exhaust the stack.
xmlNode *premier(xmlNode *racine, const std::function<bool(xmlNode *)> &convient) {
    for (xmlNode *n = racine; n != nullptr;) {
        if (n->type == XML_ELEMENT_NODE && convient(n)) return n;
        if (n->children != nullptr) {
            n = n->children;
            continue;
        }
        while (n != nullptr && n->next == nullptr && n != racine)
            n = n->parent;
        if (n == nullptr || n == racine) break;
        n = n->next;
    }
    return nullptr;
}

// The document itself: its children are every top-level node of the page.
xmlNode *racine(const Document &doc) {
    return reinterpret_cast<xmlNode *>(doc.get());
}

} // namespace

std::string PremierDivT0(std::string_view html) {
    Document doc = lit(html);
    if (!doc) return {};
    xmlNode *div = premier(racine(doc), [](xmlNode *n) {
        return xmlStrcasecmp(n->name, reinterpret_cast<const xmlChar *>("div")) == 0 &&
               attribut(n, "class") == "t0";
    });
    if (div == nullptr) return {};
    std::unique_ptr<xmlBuffer, void (*)(xmlBuffer *)> tampon(xmlBufferCreate(), xmlBufferFree);
    if (!tampon) return {};
    for (xmlNode *enfant = div->children; enfant != nullptr; enfant = enfant->next)
        htmlNodeDump(tampon.get(), doc.get(), enfant);
    return std::string(reinterpret_cast<const char *>(xmlBufferContent(tampon.get())),
                       static_cast<std::size_t>(xmlBufferLength(tampon.get())));
}

std::optional<std::string> TexteDeLElement(std::string_view html, std::string_view id) {
    Document doc = lit(html);
    if (!doc) return std::nullopt;
    xmlNode *element = premier(racine(doc), [id](xmlNode *n) { return attribut(n, "id") == id; });
    if (element == nullptr) return std::nullopt;
    xmlChar *texte = xmlNodeGetContent(element);
    if (texte == nullptr) return std::string{};
    std::string s(reinterpret_cast<const char *>(texte));
    xmlFree(texte);
    return s;
}

} // namespace lamelix
