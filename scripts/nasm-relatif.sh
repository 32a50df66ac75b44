#!/usr/bin/env bash
# nasm, with its source named relative to the folder it runs in: the object's
# .file symbol, which nasm fills with the name it is given, then holds no
# build folder's path, and the symbols of two builds in two folders match.
arguments=()
for a in "$@"; do
  [[ "$a" == /*.asm ]] && a=$(realpath --relative-to=. "$a")
  arguments+=("$a")
done
exec nasm "${arguments[@]}"
