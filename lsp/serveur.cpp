#include "lsp/serveur.hpp"

#include "lsp/trame.hpp"
#include "platform/erreur.hpp"

#include <functional>
#include <nlohmann/json.hpp>
#include <optional>
#include <string_view>

namespace lamelix {

using Json = nlohmann::json;

namespace {

// The protocol's error codes.
enum CodeErreur : int {
    ErreurAnalyse = -32700,
    RequeteInvalide = -32600,
    MethodeInconnue = -32601,
    ParametresInvalides = -32602,
    ErreurInterne = -32603,
    NonInitialise = -32002,
};

struct ErreurProtocole {
    int code;
    std::string message;
};

// A file path from a file: URI, for the key's name (its extension decides the txt marker test);
// percent escapes decoded.
std::string CheminDeUri(const std::string &uri) {
    std::string_view reste(uri);
    if (reste.rfind("file://", 0) == 0) reste.remove_prefix(7);
    std::string chemin;
    for (std::size_t k = 0; k < reste.size(); ++k) {
        if (reste[k] == '%' && k + 2 < reste.size()) {
            chemin +=
                static_cast<char>(std::stoi(std::string(reste.substr(k + 1, 2)), nullptr, 16));
            k += 2;
        } else {
            chemin += reste[k];
        }
    }
    return chemin;
}

PositionTexte PositionDe(const Json &p) {
    return {p.at("line").get<long>(), p.at("character").get<long>()};
}

} // namespace

struct ServeurLsp::Etat {
    Etat(std::ostream &s, std::ostream &j) : sortie(s), journal(j) {}
    std::ostream &sortie, &journal;
    bool initialise = false, arret = false, fini = false;
    CodagePositions codage = CodagePositions::Utf16;
    Documents documents;
    std::map<std::string, std::unique_ptr<AnalyseCle>> analyses;

    void Envoie(const Json &message) {
        EcritTrame(sortie, message.dump(-1, ' ', false, Json::error_handler_t::replace));
    }
    void Repond(const Json &id, Json resultat) {
        Envoie({{"jsonrpc", "2.0"}, {"id", id}, {"result", std::move(resultat)}});
    }
    void Erreur(const Json &id, int code, const std::string &message) {
        Envoie({{"jsonrpc", "2.0"}, {"id", id}, {"error", {{"code", code}, {"message", message}}}});
    }

    Document &Doc(const Json &params) {
        const std::string uri = params.at("textDocument").at("uri").get<std::string>();
        const auto d = documents.find(uri);
        if (d == documents.end())
            throw ErreurProtocole{ParametresInvalides, "document non ouvert : " + uri};
        return d->second;
    }
    AnalyseCle &Analyse(const Json &params) {
        return *analyses.at(params.at("textDocument").at("uri").get<std::string>());
    }

    Json Position(const Document &d, long ligne, std::size_t octet) const {
        const std::string_view texte = d.Ligne(ligne - 1);
        return {{"line", ligne - 1}, {"character", ColonneDOctet(texte, octet, codage)}};
    }
    Json Plage(const Document &d, long ligne, std::pair<std::size_t, std::size_t> octets) const {
        return {{"start", Position(d, ligne, octets.first)},
                {"end", Position(d, ligne, octets.second)}};
    }
    Json PlageLigne(const Document &d, long ligne) const {
        return Plage(d, ligne, PlageChamp(d.Ligne(ligne - 1), Champ::Ligne));
    }
    Json Lieu(const std::string &uri, const Document &d, long ligne) const {
        return {{"uri", uri}, {"range", PlageLigne(d, ligne)}};
    }

    // The position of a request, as a physical line from 1 and a byte of it.
    std::pair<long, std::size_t> Curseur(const Document &d, const Json &params) const {
        const PositionTexte p = PositionDe(params.at("position"));
        return {p.Ligne + 1, OctetDeColonne(d.Ligne(p.Ligne), p.Colonne, codage)};
    }

    void Publie(const std::string &uri) {
        const Document &d = documents.at(uri);
        AnalyseCle &a = *analyses[uri];
        a.Analyse(CheminDeUri(uri), d);
        Json liste = Json::array();
        for (const Diagnostic &diag : a.Diagnostics()) {
            const long ligne = std::max(diag.Ligne, 1L);
            const auto plage = diag.Ligne > 0 ? PlageChamp(d.Ligne(ligne - 1), diag.Sur)
                                              : std::pair<std::size_t, std::size_t>{0, 0};
            liste.push_back(
                {{"range", Plage(d, ligne, plage)},
                 {"severity", static_cast<int>(diag.Genre) + 1},
                 {"code", diag.Code},
                 {"source", "lamelix"},
                 {"message",
                  diag.Message + (diag.Explication.empty() ? "" : " : " + diag.Explication)}});
        }
        Envoie({{"jsonrpc", "2.0"},
                {"method", "textDocument/publishDiagnostics"},
                {"params", {{"uri", uri}, {"version", d.Version()}, {"diagnostics", liste}}}});
    }

    Json Initialise(const Json &params) {
        codage = CodagePositions::Utf16;
        if (params.is_object() && params.contains("capabilities")) {
            const Json &c = params["capabilities"];
            if (c.contains("general") && c["general"].contains("positionEncodings"))
                for (const Json &e : c["general"]["positionEncodings"])
                    if (e == "utf-8") codage = CodagePositions::Utf8;
        }
        initialise = true;
        return {{"capabilities",
                 {{"positionEncoding", codage == CodagePositions::Utf8 ? "utf-8" : "utf-16"},
                  {"textDocumentSync",
                   {{"openClose", true}, {"change", 2}, {"save", {{"includeText", true}}}}},
                  {"definitionProvider", true},
                  {"referencesProvider", true},
                  {"hoverProvider", true},
                  {"documentSymbolProvider", true}}},
                {"serverInfo", {{"name", "lamelix-outils lsp"}}}};
    }

    static Json Symbole(const Document &d, const lamelix::Symbole &s, const Etat &e) {
        const Json debut =
            e.Position(d, s.Premiere, PlageChamp(d.Ligne(s.Premiere - 1), Champ::Ligne).first);
        const Json fin =
            e.Position(d, s.Derniere, PlageChamp(d.Ligne(s.Derniere - 1), Champ::Ligne).second);
        Json j = {{"name", s.Nom.empty() ? "?" : s.Nom},
                  {"kind", static_cast<int>(s.Sorte)},
                  {"range", {{"start", debut}, {"end", fin}}},
                  {"selectionRange",
                   e.Plage(d, s.Premiere, PlageChamp(d.Ligne(s.Premiere - 1), Champ::Entite))}};
        if (!s.Detail.empty()) j["detail"] = s.Detail;
        if (!s.Enfants.empty()) {
            j["children"] = Json::array();
            for (const lamelix::Symbole &enfant : s.Enfants)
                j["children"].push_back(Symbole(d, enfant, e));
        }
        return j;
    }

    // A request's answer; a notification returns nothing.
    std::optional<Json> Traite(const std::string &methode, const Json &params) {
        if (methode == "textDocument/didOpen") {
            const Json &t = params.at("textDocument");
            const std::string uri = t.at("uri").get<std::string>();
            documents.insert_or_assign(
                uri, Document(t.at("text").get<std::string>(), t.value("version", 0L)));
            if (!analyses[uri]) analyses[uri] = std::make_unique<AnalyseCle>();
            Publie(uri);
        } else if (methode == "textDocument/didChange") {
            const std::string uri = params.at("textDocument").at("uri").get<std::string>();
            Document &d = Doc(params);
            for (const Json &c : params.at("contentChanges")) {
                std::optional<std::pair<PositionTexte, PositionTexte>> plage;
                if (c.contains("range"))
                    plage = {
                        {PositionDe(c["range"].at("start")), PositionDe(c["range"].at("end"))}};
                d.Remplace(plage, c.at("text").get<std::string>(), codage);
            }
            d.SetVersion(params["textDocument"].value("version", d.Version()));
            Publie(uri);
        } else if (methode == "textDocument/didSave") {
            const std::string uri = params.at("textDocument").at("uri").get<std::string>();
            Document &d = Doc(params);
            if (params.contains("text"))
                d.Remplace(std::nullopt, params["text"].get<std::string>(), codage);
            Publie(uri);
        } else if (methode == "textDocument/didClose") {
            const std::string uri = params.at("textDocument").at("uri").get<std::string>();
            Doc(params);
            documents.erase(uri);
            analyses.erase(uri);
            Envoie({{"jsonrpc", "2.0"},
                    {"method", "textDocument/publishDiagnostics"},
                    {"params", {{"uri", uri}, {"diagnostics", Json::array()}}}});
        } else if (methode == "textDocument/definition") {
            const Document &d = Doc(params);
            const auto [ligne, octet] = Curseur(d, params);
            const auto vers = Analyse(params).Definition(ligne, octet);
            if (!vers) return Json(nullptr);
            return Lieu(params["textDocument"]["uri"], d, *vers);
        } else if (methode == "textDocument/references") {
            const Document &d = Doc(params);
            const auto [ligne, octet] = Curseur(d, params);
            const bool declaration =
                params.contains("context") && params["context"].value("includeDeclaration", false);
            Json lieux = Json::array();
            for (long l : Analyse(params).References(ligne, octet, declaration))
                lieux.push_back(Lieu(params["textDocument"]["uri"], d, l));
            return lieux;
        } else if (methode == "textDocument/hover") {
            const Document &d = Doc(params);
            const auto [ligne, octet] = Curseur(d, params);
            const std::string texte = Analyse(params).Survol(ligne, octet);
            if (texte.empty()) return Json(nullptr);
            return Json{{"contents", {{"kind", "markdown"}, {"value", texte}}},
                        {"range", PlageLigne(d, ligne)}};
        } else if (methode == "textDocument/documentSymbol") {
            const Document &d = Doc(params);
            Json symboles = Json::array();
            for (const lamelix::Symbole &s : Analyse(params).Symboles())
                symboles.push_back(Symbole(d, s, *this));
            return symboles;
        } else {
            throw ErreurProtocole{MethodeInconnue, "méthode inconnue : " + methode};
        }
        return std::nullopt;
    }

    void Message(const Json &m) {
        if (!m.is_object() || m.value("jsonrpc", "") != "2.0" || !m.contains("method") ||
            !m["method"].is_string()) {
            if (m.is_object() && !m.contains("method") &&
                (m.contains("result") || m.contains("error")))
                return; // an answer to a request of ours: there are none
            Erreur(m.is_object() && m.contains("id") ? m["id"] : Json(nullptr), RequeteInvalide,
                   "requête JSON-RPC invalide");
            return;
        }
        const std::string methode = m["method"];
        const bool requete = m.contains("id");
        const Json id = requete ? m["id"] : Json(nullptr);
        const Json params = m.value("params", Json::object());
        if (methode == "exit") {
            fini = true;
            return;
        }
        try {
            if (methode == "initialize") {
                if (initialise) throw ErreurProtocole{RequeteInvalide, "déjà initialisé"};
                if (requete) Repond(id, Initialise(params));
                return;
            }
            if (!initialise) throw ErreurProtocole{NonInitialise, "serveur non initialisé"};
            if (arret) throw ErreurProtocole{RequeteInvalide, "le serveur s'arrête"};
            if (methode == "shutdown") {
                arret = true;
                if (requete) Repond(id, nullptr);
                return;
            }
            if (methode == "initialized" || methode.rfind("$/", 0) == 0) return;
            if (!requete && methode.rfind("textDocument/did", 0) != 0) return;
            const std::optional<Json> resultat = Traite(methode, params);
            if (requete) Repond(id, resultat.value_or(Json(nullptr)));
        } catch (const ErreurProtocole &e) {
            if (requete)
                Erreur(id, e.code, e.message);
            else
                journal << "lamelix-outils lsp: " << methode << " : " << e.message << '\n';
        } catch (const Json::exception &e) {
            if (requete)
                Erreur(id, ParametresInvalides, e.what());
            else
                journal << "lamelix-outils lsp: " << methode << " : " << e.what() << '\n';
        } catch (const std::exception &e) {
            if (requete)
                Erreur(id, ErreurInterne, e.what());
            else
                journal << "lamelix-outils lsp: " << methode << " : " << e.what() << '\n';
        }
    }
};

ServeurLsp::ServeurLsp(std::ostream &sortie, std::ostream &journal)
    : etat_(std::make_unique<Etat>(sortie, journal)) {}
ServeurLsp::~ServeurLsp() = default;

bool ServeurLsp::Recoit(const std::string &corps) {
    const Json m = Json::parse(corps, nullptr, false);
    if (m.is_discarded())
        etat_->Erreur(nullptr, ErreurAnalyse, "message JSON illisible");
    else
        etat_->Message(m);
    return !etat_->fini;
}

int ServeurLsp::Sert(std::istream &entree) {
    for (;;) {
        const Trame t = LitTrame(entree);
        if (t.Saute) etat_->Erreur(nullptr, ErreurAnalyse, "octets sans en-tête ignorés");
        switch (t.Issue) {
        case IssueTrame::Fin:
            return 1;
        case IssueTrame::Tronque:
            etat_->Erreur(nullptr, ErreurAnalyse,
                          t.Pourquoi.empty() ? "message tronqué" : t.Pourquoi);
            return 1;
        case IssueTrame::Invalide:
            etat_->Erreur(nullptr, ErreurAnalyse, t.Pourquoi);
            continue;
        case IssueTrame::Message:
            break;
        }
        if (!Recoit(t.Corps)) return etat_->arret ? 0 : 1;
    }
}

} // namespace lamelix
