#!/bin/sh
# The earlier name of scripts/debian-root.sh for Debian 13:
#   sudo scripts/debian13-root.sh ROOT REPOSITORY BRANCH [COMMAND...]
exec "$(dirname "$0")/debian-root.sh" trixie "$@"
