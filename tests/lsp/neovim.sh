#!/usr/bin/env bash
# A real editor against the language server: Neovim, headless, starts `lamelix-outils lsp` on a
# faulty key, waits for its diagnostics, checks their lines, then asks where a lead's called
# entity is and checks the line it lands on. Skipped (status 77) when nvim is not installed.
set -euo pipefail
outils="$1"
if ! command -v nvim >/dev/null; then
    echo "neovim absent : test sauté (bash scripts/dependances.sh l'installe)"
    exit 77
fi
dossier="$(mktemp -d)"
trap 'rm -rf "$dossier"' EXIT

# Line 5 calls an entity no line bears, line 7 describes nothing.
cat >"$dossier/fautive.cle" <<'CLE'
TITRE$Clé fautive
1, 2 $ Lames $
1, 0 $ Tubes $ Boletus edulis
2, 3 $ Anneau présent $
2, 9 $ Sans anneau $
3, 0 $ Volve $ Amanita phalloides
3, 0 $ $ Amanita rubescens
CLE

cat >"$dossier/essai.lua" <<'LUA'
local function echec(message)
    io.stderr:write('neovim : ' .. message .. '\n')
    vim.cmd('cquit 1')
end
local tampon = vim.api.nvim_get_current_buf()
local config = {name = 'lamelix', cmd = {vim.env.OUTILS, 'lsp'}, root_dir = vim.fn.getcwd()}
local id
if vim.lsp.start then
    id = vim.lsp.start(config)
else -- Neovim before 0.8
    id = vim.lsp.start_client(config)
    if id then vim.lsp.buf_attach_client(tampon, id) end
end
if not id then echec('le serveur ne démarre pas') end
if not vim.wait(10000, function() return #vim.diagnostic.get(tampon) >= 4 end, 20) then
    echec('pas de diagnostics')
end
local lignes = {}
for _, d in ipairs(vim.diagnostic.get(tampon)) do table.insert(lignes, d.lnum + 1) end
table.sort(lignes)
if table.concat(lignes, ',') ~= '5,5,5,7' then echec('diagnostics aux lignes ' .. table.concat(lignes, ',')) end
-- The call of line 2 ("1, 2"): entity 2 starts at line 4.
local client = vim.lsp.get_client_by_id(id)
local reponse = client.request_sync('textDocument/definition', {
    textDocument = {uri = vim.uri_from_bufnr(tampon)}, position = {line = 1, character = 3}}, 5000, tampon)
if not reponse or reponse.err or not reponse.result then echec('pas de définition') end
local lieu = reponse.result[1] or reponse.result
local ligne = (lieu.range or lieu.targetRange).start.line + 1
if ligne ~= 4 then echec('la définition mène à la ligne ' .. ligne) end
print('neovim : diagnostics aux lignes 5, 5, 5, 7 ; définition à la ligne 4')
vim.cmd('qall!')
LUA

cd "$dossier"
OUTILS="$outils" timeout 20 nvim --headless --clean -n +"luafile essai.lua" fautive.cle </dev/null
