# Turns the Debian changelog into AppStream's <release> elements, newest first as it lists them.
function xml(s) {
    gsub(/&/, "\\&amp;", s)
    gsub(/</, "\\&lt;", s)
    gsub(/>/, "\\&gt;", s)
    return s
}
function point() {
    if (texte != "") items = items "          <li>" xml(texte) "</li>\n"
    texte = ""
}
BEGIN {
    split("Jan Feb Mar Apr May Jun Jul Aug Sep Oct Nov Dec", noms, " ")
    for (i = 1; i <= 12; i++) mois[noms[i]] = sprintf("%02d", i)
}
/^[a-z0-9]/ {
    version = $2
    gsub(/[()]/, "", version)
    items = ""
    next
}
/^  \* / { point(); texte = substr($0, 5); next }
/^    [^ ]/ { sub(/^ +/, ""); texte = texte " " $0; next }
/^ -- / {
    point()
    # " -- Name <address>  Tue, 08 Dec 2026 12:00:00 +0000"
    n = split($0, champs, " ")
    date = sprintf("%s-%s-%02d", champs[n - 2], mois[champs[n - 3]], champs[n - 4])
    printf "    <release version=\"%s\" date=\"%s\">\n", version, date
    printf "      <description>\n        <ul>\n%s        </ul>\n      </description>\n", items
    print "    </release>"
}
