#pragma once

// A key's text from the editor, compiled from memory as the window loads a file, with its
// verdict and the questions an editor asks of it: where a lead leads, who calls an entity, what
// a lead still reaches, the outline.

#include "key/tables.hpp"
#include "lsp/documents.hpp"
#include "settings/messages.hpp"
#include "tools/verdict.hpp"

#include <memory>
#include <optional>
#include <string>
#include <vector>

namespace lamelix {

struct Symbole {
    enum Genre { Entite = 5, CleSecondaire = 2, Section = 3 }; // the protocol's SymbolKind
    std::string Nom, Detail;
    Genre Sorte = Entite;
    long Premiere = 0, Derniere = 0; // physical lines, from 1
    std::vector<Symbole> Enfants;
};

class AnalyseCle {
  public:
    AnalyseCle();
    ~AnalyseCle();

    // Compiles the text (named chemin, whose extension decides the txt marker test) and checks
    // it; a run-time error of the load is a diagnostic about the whole file.
    void Analyse(const std::string &chemin, const Document &document);

    const std::vector<Diagnostic> &Diagnostics() const { return diagnostics_; }
    // The physical line (from 1) that the lead's called entity on that line starts at: the first
    // line of the entity, or the header of the secondary key CSn. ligne from 1, octet in it.
    std::optional<long> Definition(long ligne, std::size_t octet) const;
    // Every lead calling the entity under the position (the called one on a lead's call, else the
    // line's own), and the entity's first line when declaration is asked for.
    std::vector<long> References(long ligne, std::size_t octet, bool declaration) const;
    // Markdown: where the lead leads and what it still reaches, or who calls the entity.
    std::string Survol(long ligne, std::size_t octet) const;
    std::vector<Symbole> Symboles() const;

  private:
    long IndexDeLigne(long ligne) const; // the key line on a physical line, 0 when none
    long PremiereLigne(long entite) const;
    bool SurAppel(long ligne, std::size_t octet) const;
    long EntiteVisee(long ligne, std::size_t octet) const;

    std::unique_ptr<CleCompilee> cle_;
    Messages textes_;
    std::vector<std::string> lignes_; // the editor's lines
    std::vector<long> index_;         // physical line - 1 -> key line
    std::vector<Diagnostic> diagnostics_;
    bool charge_ = false;
};

} // namespace lamelix
