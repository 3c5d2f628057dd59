#!/usr/bin/env bash
# Fails, naming the files, when a tracked .cpp or .h departs from .clang-format.
# clang-format 14 is Debian 12's; other versions break lines differently.
set -euo pipefail
cd "$(dirname "$0")/.."
formato=$(command -v clang-format-14 || command -v clang-format || true)
if [ -z "$formato" ]; then
  echo "clang-format non trovato (bash tools/installa-pacchetti.sh)" >&2
  exit 2
fi
if ! git rev-parse --is-inside-work-tree >/dev/null 2>&1; then
  echo "non è un clone git: i file da controllare sono quelli tracciati" >&2
  exit 2
fi
difformi=()
while IFS= read -r -d '' file; do
  [ -f "$file" ] || continue # deleted and not yet committed
  "$formato" --dry-run --Werror "$file" >/dev/null 2>&1 || difformi+=("$file")
done < <(git ls-files -z -- '*.cpp' '*.h')
if [ ${#difformi[@]} -gt 0 ]; then
  echo "File non formattati secondo .clang-format (clang-format -i FILE):" >&2
  printf '  %s\n' "${difformi[@]}" >&2
  exit 1
fi
