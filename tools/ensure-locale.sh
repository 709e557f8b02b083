#!/usr/bin/env bash
# Makes sure a locale exists (default pt_BR.UTF-8, the users' language): the
# suite also runs under it, as number and text conversions must not depend
# on the user's locale. Needs the locales package; safe to run again.
set -euo pipefail
name=${1:-pt_BR.UTF-8}
# locale -a spells pt_BR.UTF-8 as pt_BR.utf8.
listed=$(echo "$name" | sed 's/\.UTF-8$/.utf8/')
if locale -a 2>/dev/null | grep -qxF "$listed"; then
    exit 0
fi
sudo=""
[ "$(id -u)" -eq 0 ] || sudo="sudo"
echo "Generating locale $name"
entry="$name UTF-8"
if grep -qE "^#[[:space:]]*$entry\$" /etc/locale.gen 2>/dev/null; then
    $sudo sed -i -E "s/^#[[:space:]]*($entry)\$/\\1/" /etc/locale.gen
elif ! grep -qxF "$entry" /etc/locale.gen 2>/dev/null; then
    echo "$entry" | $sudo tee -a /etc/locale.gen >/dev/null
fi
$sudo locale-gen
