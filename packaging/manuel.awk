# Writes the manual page: the template (second file) with the README's "## Keys" section (first
# file) in place of @TOUCHES@, so that the keys are written once.
# Usage: awk -v version=1.1 -v date=2026-12-08 -f manuel.awk README.md marbello.6.in
function roff(s) {
    gsub(/\\/, "\\e", s)
    s = code(s)
    gsub(/« /, "«\\~", s)
    gsub(/ »/, "\\~»", s)
    if (s ~ /^[.']/) s = "\\&" s
    return s
}
function code(s,    avant) {
    while (match(s, /`[^`]*`/)) {
        avant = substr(s, 1, RSTART - 1)
        s = avant "\\fB" substr(s, RSTART + 1, RLENGTH - 2) "\\fR" substr(s, RSTART + RLENGTH)
    }
    return s
}
function cellule(s) {
    sub(/^ +/, "", s)
    sub(/ +$/, "", s)
    return roff(s)
}
FNR == NR {
    if (/^## /) { dedans = ($0 == "## Keys"); next }
    if (!dedans) next
    if (/^<!--/) next
    if ($0 == "") { paragraphe = 0; next }
    if (/^\|/) {
        paragraphe = 0
        if (++lignes <= 2) next # the header and its rule
        split($0, cellules, "|")
        touches = touches ".TP\n\\fB" cellule(cellules[2]) "\\fR\n" cellule(cellules[3]) "\n"
        next
    }
    if (!paragraphe) { touches = touches ".PP\n"; paragraphe = 1 }
    touches = touches roff($0) "\n"
    next
}
$0 == "@TOUCHES@" {
    if (lignes < 3) { print "manuel.awk: no keys table in the README" > "/dev/stderr"; exit 1 }
    printf "%s", touches
    next
}
{
    gsub(/@VERSION@/, version)
    gsub(/@DATE@/, date)
    print
}
