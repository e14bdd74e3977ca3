# Shared start of the browser and screen-reader tests. Source it with
# <native build folder>: it goes to the project's root, builds the site, and
# installs puppeteer-core from the lock file (never a browser: Debian's
# chromium and firefox-esr are used). Sets native and site.
set -euo pipefail
native=$(cd "${1:?usage: run.sh <native build folder>}" && pwd)
cd "$(dirname "${BASH_SOURCE[0]}")/../.."
site=$(scripts/site)
PUPPETEER_SKIP_DOWNLOAD=1 npm ci --no-audit --no-fund --loglevel=error >/dev/null
