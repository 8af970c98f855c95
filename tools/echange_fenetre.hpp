#pragma once

// The window's exchange with other key systems: "Fichier > Importer..." in the main window, and
// the export formats of the tools window's "Exporter".

#include <string>
#include <string_view>

namespace lamelix {

struct Lamelix;
struct Outils;

// What a file to import holds, told by its content (and a project's file names).
enum class GenreImport { Tableau, Lpxk, Projet };
GenreImport GenreAImporter(const std::string &chemin, std::string_view octets);

// "Fichier > Importer...": a table, an LPXK document or a KeyBase project chosen, turned into
// key files saved where the author says, and the key opened. A file that gives no key is told
// with every reason, and nothing is written.
void ImporteFichier(Lamelix &f);
// The same with the file already chosen.
void ImporteFichierChoisi(Lamelix &f, const std::string &chemin);

enum class FormatEchange { Tableau, KeyBase, Lpxk };
// "Exporter > ...": the loaded key in that format, saved to a file the author chooses.
void ExporteEchange(Outils &o, FormatEchange format);

} // namespace lamelix
