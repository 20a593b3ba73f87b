#!/usr/bin/env bash
# Runs a Windows program under Wine with the project's prefix and code page; CTest uses
# it to run the cross-built tests. Exit code is the program's.
source "$(dirname "${BASH_SOURCE[0]}")/wine-env.sh"
exec wine "$@"
