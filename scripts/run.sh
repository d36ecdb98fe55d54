#!/usr/bin/env bash
# Set-up, the release build, and the editor started from its application folder.
set -euo pipefail
cd "$(dirname "$0")/.."

bash scripts/setup.sh
cmake --preset release
cmake --build --preset release -j "$(nproc)"

editor=build/app/voxtrel-editor
if [[ ! -x $editor ]]; then
    echo "Built. The editor window is not part of this build yet."
    exit 0
fi
if [[ -z ${DISPLAY:-} && -z ${WAYLAND_DISPLAY:-} ]]; then
    echo "No display found. To start the editor on a virtual display, run:"
    echo "  xvfb-run -a -s '-screen 0 1024x768x24' $editor"
    exit 1
fi
exec "$editor"
