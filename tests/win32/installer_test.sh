#!/usr/bin/env bash
# installer_test.sh GDFCONV_MSI WINE_RUN - the Windows installer under wine, as a user without
# administrator rights would use it: a silent install (msiexec /i /qn) puts the program under
# %LOCALAPPDATA%\Programs\gdfconv with a Start-menu entry and the .gdf association (開く and
# プレビュー); the installed gdfconv.exe converts the installed example with the installed
# pattern data, leaving PATADD.txt, GDFCONV.LCK and GDFCONV.LOG behind; a silent uninstall
# (msiexec /x /qn) then leaves no file, no folder, no shortcut and no registry key of it.
# Runs in a wine prefix of its own beside the installer. Skipped (77) without the installer.
set -euo pipefail
msi=$1 wine_run=$2
if [ ! -f "$msi" ]; then
  echo "no installer ($msi): wixl is missing or the Windows program is not built"
  exit 77
fi
export WINEPREFIX=$(cd "$(dirname "$msi")" && pwd)/wineprefix-install
failures=0
fail() {
  echo "FAIL $*"
  failures=$((failures + 1))
}
run() { "$wine_run" "$@"; }  # a Windows program in the prefix (made on first use)

run cmd /c exit
user=$(run cmd /c 'echo %USERNAME%' | tr -d '\r')
home=$WINEPREFIX/drive_c/users/$user
program=$home/AppData/Local/Programs/gdfconv
menu=$home/AppData/Roaming/Microsoft/Windows/Start\ Menu/Programs
windows_program='C:\users\'"$user"'\AppData\Local\Programs\gdfconv'

run msiexec /i "Z:$(cd "$(dirname "$msi")" && pwd)/$(basename "$msi")" /qn ||
  fail "the silent install failed"
for file in gdfconv.exe gdfconv-gui.exe README-ja.txt data/pattern/KISHITU.TXT \
  data/examples/B-1.gdf; do
  [ -f "$program/$file" ] || fail "the install lacks $file"
done
[ -f "$menu/gdfconv.lnk" ] || fail "no Start-menu entry"
query() { run reg query "$1" /ve 2>/dev/null | tr -d '\r' | sed -n 's/.*REG_SZ *//p'; }
[ "$(query 'HKCU\Software\Classes\.gdf')" = gdfconv.gdf ] || fail ".gdf is not associated"
[ "$(query 'HKCU\Software\Classes\gdfconv.gdf\shell\open\command')" = \
  "\"$windows_program\\gdfconv-gui.exe\" \"%1\"" ] || fail "開く does not open the window"
[ "$(query 'HKCU\Software\Classes\gdfconv.gdf\shell\preview\command')" = \
  "\"$windows_program\\gdfconv-gui.exe\" --preview \"%1\"" ] || fail "no プレビュー verb"

# The installed program says its version.
version=$(run "$windows_program\\gdfconv.exe" --version 2>&1 | tr -d '\r')
[[ "$version" =~ ^gdfconv\ [0-9]+\.[0-9]+\.[0-9]+$ ]] || fail "gdfconv.exe --version said: $version"

# The installed program converts, and leaves its files beside itself and in the pattern data.
out=$(run "$windows_program\\gdfconv.exe" convert --lang en --yes --quiet \
  --pattern-dir "$windows_program\\data\\pattern" "$windows_program\\data\\examples\\B-1.gdf" \
  'C:\users\'"$user"'\gdfconv-install-test\B-1' 2>&1) || fail "the installed gdfconv.exe failed: $out"
[ -f "$home/gdfconv-install-test/B-1/X1.TXT" ] || fail "the installed gdfconv.exe wrote no X1.TXT"
for file in PATADD.txt data/pattern/GDFCONV.LCK data/pattern/GDFCONV.LOG; do
  [ -f "$program/$file" ] || fail "the run left no $file"
done
rm -rf "$home/gdfconv-install-test"

run msiexec /x "Z:$(cd "$(dirname "$msi")" && pwd)/$(basename "$msi")" /qn ||
  fail "the silent uninstall failed"
[ ! -e "$program" ] || fail "the uninstall left $(cd "$program" && find . | tr '\n' ' ')"
[ ! -e "$menu/gdfconv.lnk" ] || fail "the uninstall left the Start-menu entry"
for key in 'HKCU\Software\Classes\.gdf' 'HKCU\Software\Classes\gdfconv.gdf' 'HKCU\Software\gdfconv'; do
  if run reg query "$key" >/dev/null 2>&1; then fail "the uninstall left $key"; fi
done
WINEPREFIX=$WINEPREFIX wineserver -k 2>/dev/null || true
[ "$failures" = 0 ] && echo "ok   installed, converted and uninstalled clean"
exit $((failures > 0))
