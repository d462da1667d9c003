#!/usr/bin/env bash
# Writes the seed corpus of the class file fuzz target into korpus/ (run once; the files are kept in the
# repository). Integers are four bytes in the order bits 0-7, 24-31, 16-23, 8-15.
set -euo pipefail
cd "$(dirname "$0")"
mkdir -p korpus

schreibe() { printf "$2" >"korpus/$1"; }

MAGIE='\x00\x05SGV01'
# Class 5a, subject Deutsch, week 43906 (82 00 00 AB) with the text Lesen: 39 bytes.
BEISPIEL="${MAGIE}"'\x00\x025a\x01\x00\x00\x00\x00\x07Deutsch\x01\x00\x00\x00\x82\x00\x00\xab\x00\x05Lesen'

schreibe beispiel_5a "$BEISPIEL"
schreibe leere_klasse "${MAGIE}"'\x00\x025a\x00\x00\x00\x00'
schreibe nur_name "${MAGIE}"'\x00\x026c'
schreibe zwei_gruppen "${MAGIE}"'\x00\x029a\x01\x00\x00\x00\x00\x01A\x00\x00\x00\x00\x01\x00\x00\x00\x00\x01B\x00\x00\x00\x00'
schreibe negative_anzahl "${MAGIE}"'\x00\x029a\xff\xff\xff\xff\x01\x00\x00\x00\x00\x01A\x00\x00\x00\x00'
# Two weeks out of order, ISO 8859-1 letters and a CR LF inside a text.
schreibe umlaute "${MAGIE}"'\x00\x0310b\x01\x00\x00\x00\x00\x0bFranz\xf6sisch\x02\x00\x00\x00\x89\x00\x00\xab\x00\x04\xc4\x0d\x0a\xdf\x82\x00\x00\xab\x00\x00'
# Damaged: ends inside the text of the week.
printf "$BEISPIEL" | head -c 35 >korpus/abgeschnitten
# Damaged: announces 2147483647 subjects.
schreibe riesige_anzahl "${MAGIE}"'\x00\x025a\xff\x7f\xff\xff\x00\x01A\x00\x00\x00\x00'
# Damaged: three bytes after the last subject that are no whole group.
schreibe restbytes "${BEISPIEL}"'\x01\x00\x00'
# Unknown format: the magic in lower case.
schreibe falsche_kennung '\x00\x05sgv01\x00\x025a\x00\x00\x00\x00'
