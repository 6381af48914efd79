#!/bin/sh
# Starts Lecturiel from its own folder, where its lexicon and its
# configuration file (lecturiel.ini) sit beside the program.
ici=$(dirname "$(readlink -f "$0")")
exec "$ici/../lib/lecturiel/lecturiel" "$@"
