#!/usr/bin/env bash
# Installs what is missing, builds, and starts Kerani from its application folder in the build tree.
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
"$root/scripts/install-deps.sh"
"$root/scripts/build.sh"
exec "${KERANI_BUILD_DIR:-$root/build}/app/kerani"
