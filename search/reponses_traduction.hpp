#pragma once

#include "platform/services.hpp"
#include "settings/messages.hpp"

#include <cstddef>
#include <optional>
#include <string>

namespace lamelix {

// A translation server's JSON answer: the translation it holds, the error it names ("" when it
// names none), and whether it is a JSON object at all.
struct ReponseServeur {
    std::optional<std::string> Traduction;
    std::string Erreur;
    bool Json = false;
};
ReponseServeur LitReponseServeur(const std::string &json);

// What a request that brought no usable answer says to the user: no connection, no answer in
// time, a redirection refused, an answer too long, or the server's own error (its HTTP status,
// and what it says of it when it says something). "" when the server answered with success.
std::string EchecRequete(const ReponseHttp &reponse, const std::string &adresse,
                         const std::string &motServeur, const Messages &msg);

// The server of an address, as the user would name it: its host and port.
std::string ServeurDe(const std::string &adresse);

// The longest translation shown, in characters. A description's is a few hundred; laying out a
// text far longer holds the window up for minutes.
inline constexpr std::size_t TraductionMax = 20000;

// Keeps the first `max` characters of a UTF-8 text; true when there were more.
bool CoupeTexte(std::string &texte, std::size_t max);

} // namespace lamelix
