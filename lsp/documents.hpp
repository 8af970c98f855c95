#pragma once

// The texts the editor has open, as it last sent them (UTF-8), with their versions.

#include "lsp/positions.hpp"

#include <map>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace lamelix {

struct PositionTexte {
    long Ligne = 0; // from 0
    long Colonne = 0;
};

class Document {
  public:
    Document(std::string texte, long version);

    const std::string &Texte() const { return texte_; }
    long Version() const { return version_; }
    long NombreLignes() const { return static_cast<long>(debuts_.size()); }
    // Line n (from 0) without its line end; empty past the last line.
    std::string_view Ligne(long n) const;
    // The byte of the text at a position: a line past the end is the text's end.
    std::size_t Octet(PositionTexte p, CodagePositions codage) const;

    // Replaces the range [debut, fin) by texte; the whole text when there is no range.
    void Remplace(std::optional<std::pair<PositionTexte, PositionTexte>> plage,
                  std::string_view texte, CodagePositions codage);
    void SetVersion(long version) { version_ = version; }

  private:
    void Decoupe();
    std::string texte_;
    long version_ = 0;
    std::vector<std::size_t> debuts_; // the byte each line starts at
};

using Documents = std::map<std::string, Document>; // by URI

} // namespace lamelix
