#pragma once

#include "cli/table_commandes.hpp"

#include <ostream>

namespace lamelix {

// `lamelix-outils exporte-tableau [--format csv|keybase|lpxk] FICHIER`: the key loaded as
// "Charger" loads it, written as the three-column table (csv), KeyBase's tab-separated table or
// an LPXK document on standard output, what KeyBase's table leaves out as warnings on the error
// output. 0 written, 1 the key did not load.
int CommandeExporteTableau(const Appel &appel, std::ostream &sortie, std::ostream &erreurs);

// `lamelix-outils importe-tableau TABLE -o CLE.cle`: the key file of a table (the program's own
// three columns, or a KeyBase table) or of an LPXK document (told by its content), written in
// place through a temporary file. The key's faults are reported `TABLE:LIGNE: avertissement: ...
// [terme]` and do not stop the writing. 0 written, 1 the table is refused (each reason
// `TABLE:LIGNE: erreur: ...`, nothing written), 2 an unwritable key.
int CommandeImporteTableau(const Appel &appel, std::ostream &sortie, std::ostream &erreurs);

} // namespace lamelix
