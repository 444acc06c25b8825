# Turns the benchmarks' results (name, unit, kestrune, floor, ratio, rounds;
# tab-separated) into the table of figures, in Markdown, with the closing line
# "bench: N within target, M over".
BEGIN { FS = "\t"; within = 0; over = 0 }

{ unit[$1] = $2; prog[$1] = $3; flr[$1] = $4; ratio[$1] = $5; rounds[$1] = $6 }

function amount(value, u) {
    if (u == "MiB") return sprintf("%.1f MiB", value)
    if (value < 1) return sprintf("%.0f µs", value * 1000)
    if (value < 10) return sprintf("%.2f ms", value)
    if (value < 100) return sprintf("%.1f ms", value)
    return sprintf("%.0f ms", value)
}

function verdict(ok) {
    if (ok) { within++; return "ok" }
    over++
    return "**OVER**"
}

function missing(label) {
    over++
    printf "| %s | — | — | — | not measured **OVER** |\n", label
}

# A figure judged by its ratio to the floor.
function ratioRow(label, name, limit) {
    if (!(name in prog)) { missing(label); return }
    printf "| %s | %s | %s | %.2f | ≤ %.2f %s |\n", label, amount(prog[name], unit[name]),
           amount(flr[name], unit[name]), ratio[name], limit, verdict(ratio[name] <= limit)
}

# A figure judged by its own time; the ratio is shown for information.
function absoluteRow(label, name, limitMs) {
    if (!(name in prog)) { missing(label); return }
    printf "| %s | %s | %s | %.2f | < %s %s |\n", label, amount(prog[name], "ms"), amount(flr[name], "ms"),
           ratio[name], amount(limitMs, "ms"), verdict(prog[name] < limitMs)
}

# Growth of the cost per item from the middle size to the largest. Linear when
# it stays within 1.5, or within 1.15 of the floor's own growth (the file
# system or the sort may not be linear themselves).
function scaleRow(label, stem, small, middle, large,    n1, n2, n3, growth, floorGrowth, ok) {
    n1 = stem "/" small; n2 = stem "/" middle; n3 = stem "/" large
    if (!(n1 in prog) || !(n2 in prog) || !(n3 in prog)) { missing(label); return }
    growth = (prog[n3] / large) / (prog[n2] / middle)
    floorGrowth = (flr[n3] / large) / (flr[n2] / middle)
    ok = growth <= 1.5 || growth <= 1.15 * floorGrowth
    printf "| %s | %s / %s / %s | %s / %s / %s | %.2f / %.2f / %.2f | linear: ×%.2f per item (floor ×%.2f) %s |\n",
           label, amount(prog[n1], "ms"), amount(prog[n2], "ms"), amount(prog[n3], "ms"),
           amount(flr[n1], "ms"), amount(flr[n2], "ms"), amount(flr[n3], "ms"),
           ratio[n1], ratio[n2], ratio[n3], growth, floorGrowth, verdict(ok)
}

END {
    print "| figure | kestrune | floor | ratio | target |"
    print "|---|---|---|---|---|"
    ratioRow("1 Create: parent + 1000 sub-folders", "create/1000", 1.15)
    ratioRow("1 Create, fill-in: 1000 sub-folders, half there", "create-fill-in/1000", 1.15)
    ratioRow("1 Create, notation: 1000 lines to 10,000 folders", "create-notation/10000", 1.15)
    ratioRow("2 Browse: 50,000 folders + 50,000 .txt, painted", "browse/100000", 1.5)
    ratioRow("3 Load: 1000 lines, UTF-8", "load-utf8/1000", 3)
    ratioRow("3 Load: 1000 lines, CP932", "load-cp932/1000", 3)
    absoluteRow("3 Preview: 1000 lines to 10,000 folders, every row added", "preview/10000", 20)
    absoluteRow("3 Preview: the same, as the parent name is typed", "preview-keystroke/10000", 20)
    absoluteRow("3 Paste: 1000 rows × 3 columns to statuses", "paste/1000", 5)
    absoluteRow("3 Preview, table: 1000 rows × 3 lines to 3000 folders", "preview-table/3000", 20)
    ratioRow("4 Start-up to first paint, offscreen", "startup-time/offscreen", 1.2)
    ratioRow("4 Peak memory, offscreen", "startup-rss/offscreen", 1.2)
    ratioRow("4 Start-up to first paint, offscreen, in English", "startup-time-en/offscreen", 1.2)
    ratioRow("4 Peak memory, offscreen, in English", "startup-rss-en/offscreen", 1.2)
    if (xcb == "none") {
        print "| 4 Start-up and memory, Xvfb | — | — | — | skipped: no xvfb-run |"
    } else {
        ratioRow("4 Start-up to first paint, Xvfb", "startup-time/xcb", 1.2)
        ratioRow("4 Peak memory, Xvfb", "startup-rss/xcb", 1.2)
        ratioRow("4 Start-up to first paint, Xvfb, in English", "startup-time-en/xcb", 1.2)
        ratioRow("4 Peak memory, Xvfb, in English", "startup-rss-en/xcb", 1.2)
    }
    scaleRow("5 Scale: Create, 10 / 100 / 1000 names", "create", 10, 100, 1000)
    scaleRow("5 Scale: Load UTF-8, 10 / 100 / 1000 lines", "load-utf8", 10, 100, 1000)
    scaleRow("5 Scale: Load CP932, 10 / 100 / 1000 lines", "load-cp932", 10, 100, 1000)
    scaleRow("5 Scale: Browse, 1,000 / 10,000 / 100,000 entries", "browse", 1000, 10000, 100000)
    ratioRow("6 Script: kestrune --create, 1000 names, whole process", "script/1000", 1.25)
    ratioRow("6 Script: the same in English", "script-en/1000", 1.25)
    ratioRow("7 Undo: 1000 folders", "undo/1000", 1.2)
    ratioRow("8 Templates: 1000 files of 64 KiB into 1000 folders", "template-copy/1000", 1.2)
    absoluteRow("8 Templates: preview with a template of 1000 files", "template-preview/1000", 20)
    print ""
    print "Medians over interleaved rounds, the program and its floor taking turns to go first; the ratio is the median over pairs of rounds (one of each order) of the pair's ratio."
    printf "bench: %d within target, %d over\n", within, over
}
