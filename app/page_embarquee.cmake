# Writes SORTIE, a C++ source that holds the page's files of DOSSIER as byte arrays (see
# app/page_modele.hpp). Run at build time, whenever one of those files changes.
function(octets variable fichier)
  if(EXISTS ${fichier})
    file(READ ${fichier} hex HEX)
    string(REGEX REPLACE "([0-9a-f][0-9a-f])" "0x\\1," hex "${hex}")
  else()
    set(hex "")
  endif()
  set(${variable} "${hex}0x00" PARENT_SCOPE)
endfunction()
octets(html ${DOSSIER}/lamelix.html)
octets(css ${DOSSIER}/lamelix.css)
octets(js ${DOSSIER}/lamelix.js)
file(WRITE ${SORTIE}.tmp "// Made by app/page_embarquee.cmake from web/page/: do not edit.
#include \"app/page_modele.hpp\"
namespace lamelix {
namespace {
const unsigned char html[] = {${html}};
const unsigned char css[] = {${css}};
const unsigned char js[] = {${js}};
std::string_view vue(const unsigned char *octets, std::size_t taille) {
    return {reinterpret_cast<const char *>(octets), taille - 1};
}
} // namespace
const FichiersPage &PageModele() {
    static const FichiersPage page{vue(html, sizeof html), vue(css, sizeof css), vue(js, sizeof js)};
    return page;
}
} // namespace lamelix
")
file(COPY_FILE ${SORTIE}.tmp ${SORTIE} ONLY_IF_DIFFERENT)
