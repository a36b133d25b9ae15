#!/usr/bin/env bash
# Builds static MinGW libraries of Scintilla and of Lexilla's VB lexer from Debian's `scite` source package,
# into a cache outside the checkout. A stamp makes a second run instant.
set -euo pipefail
source "$(dirname "${BASH_SOURCE[0]}")/common.sh"

out="$XD_SCINTILLA_DIR"
stamp="$out/.stamp"
recipe_hash="$(sha256sum "${BASH_SOURCE[0]}" | cut -c1-16)"
if [[ -f "$stamp" && "$(cat "$stamp")" == "$recipe_hash" && -f "$out/lib/libscintilla.a" && -f "$out/lib/liblexilla_vb.a" ]]; then
  echo "fetch-scintilla: cached in $out"
  exit 0
fi

CROSS=x86_64-w64-mingw32
CXX="${CROSS}-g++-posix"
AR="${CROSS}-ar"
RANLIB="${CROSS}-ranlib"
WINDRES="${CROSS}-windres"

work="$(mktemp -d "${TMPDIR:-/tmp}/xd-scintilla.XXXXXX")"
trap 'rm -rf "$work"' EXIT

# Use the same mirror host as the machine does, but our own sources file and lists folder so the machine's
# package state is left untouched.
host="$(grep -rhoE 'https?://[^ /]+/debian/?' /etc/apt/sources.list /etc/apt/sources.list.d/ 2>/dev/null \
        | grep -v security | head -1 || true)"
host="${host%/}"
[[ -n "$host" ]] || host="http://deb.debian.org/debian"
mkdir -p "$work/lists/partial" "$work/src"
keyring=/usr/share/keyrings/debian-archive-keyring.gpg
signed=""
[[ -f "$keyring" ]] && signed="[signed-by=$keyring] "
echo "deb-src ${signed}$host bookworm main" > "$work/sources.list"
apt_opts=(-o "Dir::Etc::sourcelist=$work/sources.list" -o "Dir::Etc::sourceparts=-"
          -o "Dir::State::Lists=$work/lists" -o "Dir::Cache=$work/cache" -o "APT::Sandbox::User=root")
mkdir -p "$work/cache/archives/partial"
apt-get update -qq "${apt_opts[@]}"
(cd "$work/src" && apt-get source --download-only -qq "${apt_opts[@]}" scite)

tarball="$(ls "$work"/src/scite_*.orig.tar.* | head -1)"
tar -xf "$tarball" -C "$work/src"
top="$(find "$work/src" -maxdepth 2 -type d -name scintilla -printf '%h\n' | head -1)"
[[ -d "$top/scintilla/win32" && -d "$top/lexilla/lexlib" ]] || { echo "unexpected source layout" >&2; exit 1; }
if ! grep -qx "${XD_SCINTILLA_VERSION//./}" "$top/scintilla/version.txt"; then
  echo "fetch-scintilla: expected Scintilla $XD_SCINTILLA_VERSION, the package has $(cat "$top/scintilla/version.txt")" >&2
  exit 1
fi

# Third-party warnings go to a log, shown only when the build fails.
if ! make -s -C "$top/scintilla/win32" -j"$XD_JOBS" CXX="$CXX" AR="$AR" RANLIB="$RANLIB" WINDRES="$WINDRES" \
     ../bin/libscintilla.a >"$work/scintilla-build.log" 2>&1; then
  tail -n 60 "$work/scintilla-build.log" >&2
  exit 1
fi

# Of Lexilla only the shared lexer support and the VB lexer, with a one-entry catalogue in place of the
# generated full list, so CreateLexer("vb") works without building the other hundred lexers.
lex="$top/lexilla"
obj="$work/lexobj"
mkdir -p "$obj"
cat > "$work/VbCatalogue.cxx" <<'CXX'
#include <cstring>
#include "ILexer.h"
#include "Lexilla.h"
#include "LexerModule.h"

extern const Lexilla::LexerModule lmVB;
extern const Lexilla::LexerModule lmVBScript;

namespace {
const Lexilla::LexerModule *const modules[] = {&lmVB, &lmVBScript};
}

extern "C" Scintilla::ILexer5 *LEXILLA_CALL CreateLexer(const char *name) {
  for (const Lexilla::LexerModule *m : modules) {
    if (name && m->languageName && std::strcmp(m->languageName, name) == 0)
      return m->Create();
  }
  return nullptr;
}
CXX
flags=(-std=c++17 -O2 -DNDEBUG -I"$lex/include" -I"$lex/lexlib" -I"$top/scintilla/include")
sources=("$lex"/lexlib/*.cxx "$lex/lexers/LexVB.cxx" "$work/VbCatalogue.cxx")
for s in "${sources[@]}"; do
  "$CXX" "${flags[@]}" -c "$s" -o "$obj/$(basename "${s%.cxx}").o" &
done
wait
rm -f "$obj/liblexilla_vb.a"
"$AR" rcs "$obj/liblexilla_vb.a" "$obj"/*.o

rm -rf "$out"
mkdir -p "$out/include/scintilla" "$out/include/lexilla" "$out/lib"
cp "$top/scintilla/bin/libscintilla.a" "$obj/liblexilla_vb.a" "$out/lib/"
cp "$top"/scintilla/include/*.h "$out/include/scintilla/"
cp "$lex"/include/*.h "$out/include/lexilla/"
cp "$top/scintilla/License.txt" "$out/Scintilla-License.txt"
echo "$recipe_hash" > "$stamp"
echo "fetch-scintilla: built into $out"
