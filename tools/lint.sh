#!/usr/bin/env bash
# The house style, checked: clang-format on the C++ sources, ESLint on the
# page's scripts and the build, test and benchmark programs, shellcheck on
# every shell script. Prints what is off and fails; changes nothing.
set -euo pipefail
cd "$(dirname "$0")/.."
status=0

mapfile -t cxx < <(git ls-files '*.cpp' '*.h')
if ! clang-format --dry-run --Werror "${cxx[@]}"; then
  echo "lint: C++ sources differ from .clang-format (clang-format -i FILE mends them)" >&2
  status=1
fi

if ! node_modules/.bin/eslint web tests/web tools bench; then
  echo "lint: ESLint found faults in web/, tests/web/, tools/ or bench/" >&2
  status=1
fi

mapfile -t scripts < <(git ls-files '*.sh' .ci/run)
if ! shellcheck -x "${scripts[@]}"; then
  echo "lint: shellcheck found faults" >&2
  status=1
fi

[ "$status" -eq 0 ] && echo "lint: clean"
exit "$status"
