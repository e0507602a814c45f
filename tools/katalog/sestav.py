#!/usr/bin/env python3
"""Assembles data/otazky.xml from the question sources in tools/katalog/otazky/.

    sestav.py                  writes data/otazky.xml
    sestav.py --check          only checks the sources
    sestav.py --stats          checks and prints the form figures of the questions in force
    sestav.py --assign-codes   gives every "K: nový" question the next free code of its
                               category, in the source file itself
    sestav.py FILE.txt         checks one source file and prints its figures
"""
import hashlib
import pathlib
import re
import sys
from xml.sax.saxutils import escape

ROOT = pathlib.Path(__file__).resolve().parents[2]
SOURCES = ROOT / "tools" / "katalog" / "otazky"
OUTPUT = ROOT / "data" / "otazky.xml"

# The seven categories by question number; the code carries the category number.
RANGES = [(1, 308), (309, 451), (452, 552), (553, 612), (613, 683), (684, 771), (772, 802)]
GROUP_LETTERS = set("ABCDT")
NEW_CODE = "nový"

# Words that make a statement absolute; a learner who knows the trick rules out every
# answer that holds one. The program's catalogue check uses the same list.
ABSOLUTE = re.compile(
    r"(?<!\w)(vždy|vždycky|nikdy|pouze|jen|jenom|jedině|výhradně|zásadně|kdykoli|kdykoliv|"
    r"v žádném případě|za žádných okolností|za všech okolností|v každém případě|"
    r"bez výjimky)(?!\w)", re.IGNORECASE)

# Form rules of the questions in force (the program's catalogue check enforces them).
LONGEST_OVERALL, LONGEST_RANGE = 0.40, 0.45   # correct answer strictly the longest
LETTER_SHARE = (0.26, 0.41)                   # each correct letter, per range
REPEAT_SHARE = (0.25, 0.40)                   # the same letter as the previous question
SIMILAR = 0.6                                 # near-duplicate threshold


def category(number):
    for k, (lo, hi) in enumerate(RANGES, start=1):
        if lo <= number <= hi:
            return k
    raise ValueError(number)


def parse_file(path):
    questions, cur = [], None
    for lineno, raw in enumerate(path.read_text(encoding="utf-8").splitlines(), start=1):
        line = raw.rstrip()
        where = f"{path.name}:{lineno}"
        if not line or line.startswith("#"):
            continue
        if line.startswith("Q:"):
            cur = {"q": line[2:].strip(), "right": None, "wrong": [], "g": "ABCD",
                   "p": "", "r": "", "k": "", "where": where, "file": path}
            questions.append(cur)
            continue
        if cur is None:
            raise SystemExit(f"{where}: text before the first question")
        if line.startswith("+"):
            if cur["right"] is not None:
                raise SystemExit(f"{where}: two correct answers")
            cur["right"] = line[1:].strip()
        elif line.startswith("-"):
            cur["wrong"].append(line[1:].strip())
        elif line.startswith("G:"):
            cur["g"] = line[2:].strip()
        elif line.startswith("P:"):
            cur["p"] = line[2:].strip()
        elif line.startswith("R:"):
            cur["r"] = line[2:].strip()
        elif line.startswith("K:"):
            cur["k"] = line[2:].strip()
        else:
            raise SystemExit(f"{where}: unknown line: {line}")
    return questions


def check(q):
    w = q["where"]
    if not q["q"]:
        raise SystemExit(f"{w}: empty question")
    if not q["right"]:
        raise SystemExit(f"{w}: no correct answer")
    if len(q["wrong"]) not in (1, 2) or any(not a for a in q["wrong"]):
        raise SystemExit(f"{w}: needs one or two non-empty wrong answers")
    if not q["g"] or len(q["g"]) > 4 or set(q["g"]) - GROUP_LETTERS:
        raise SystemExit(f"{w}: bad groups {q['g']!r}")
    if len(q["p"]) > 50:
        raise SystemExit(f"{w}: picture path longer than 50 characters")
    if q["p"] and (not q["p"].startswith("grafika/") or ".." in q["p"]):
        raise SystemExit(f"{w}: a picture lies under grafika/")
    if len(q["r"]) > 110:
        raise SystemExit(f"{w}: removal note longer than 110 characters")
    if q["k"] and q["k"] != NEW_CODE and not re.fullmatch(r"KM\d{6}", q["k"]):
        raise SystemExit(f"{w}: the code must be KMkkNNNN or \"{NEW_CODE}\"")
    answers = [q["right"], *q["wrong"]]
    if len(set(answers)) != len(answers):
        raise SystemExit(f"{w}: two answers are the same")


def load():
    files = sorted(SOURCES.glob("*.txt"))
    allq, expected = [], 1
    for f in files:
        m = re.match(r"(\d{4})-(\d{4})", f.name)
        if not m:
            raise SystemExit(f"{f.name}: the name must start with NNNN-MMMM")
        lo, hi = int(m.group(1)), int(m.group(2))
        if lo != expected:
            raise SystemExit(f"{f.name}: expected to start at {expected}")
        qs = parse_file(f)
        if len(qs) != hi - lo + 1:
            raise SystemExit(f"{f.name}: holds {len(qs)} questions, its name says {hi - lo + 1}")
        for q in qs:
            check(q)
        allq.extend(qs)
        expected = hi + 1
    for n, q in enumerate(allq, start=1):
        q["n"] = n
        q["cat"] = category(n)
    return allq


# ---------------------------------------------------------------- codes

def assign_codes(questions, pending_allowed=False):
    """The code of a question: KM, the two-digit category and a four-digit number. A
    question keeps the number of its position within the category unless its source
    names a code of its own (a question that asks a new fact gets a new number)."""
    seq, used = {}, set()
    for q in questions:
        seq[q["cat"]] = seq.get(q["cat"], 0) + 1
        q["pos_code"] = f"KM{q['cat']:02d}{seq[q['cat']]:04d}"
    explicit = {q["k"] for q in questions if q["k"] and q["k"] != NEW_CODE}
    for q in questions:
        if q["k"] == NEW_CODE:
            if not pending_allowed:
                raise SystemExit(f"{q['where']}: run sestav.py --assign-codes first")
            q["kod"] = NEW_CODE
            continue
        code = q["k"] or q["pos_code"]
        if q["k"] and q["k"][2:4] != f"{q['cat']:02d}":
            raise SystemExit(f"{q['where']}: code {code} is not of category {q['cat']}")
        if not q["k"] and code in explicit:
            raise SystemExit(f"{q['where']}: code {code} is taken by a new question")
        if code in used:
            raise SystemExit(f"{q['where']}: code {code} twice")
        used.add(code)
        q["kod"] = code


def write_new_codes(questions):
    sizes = {k: hi - lo + 1 for k, (lo, hi) in enumerate(RANGES, start=1)}
    taken = {q["k"] for q in questions if q["k"] and q["k"] != NEW_CODE}
    edits = {}
    for q in questions:
        if q["k"] != NEW_CODE:
            continue
        number = sizes[q["cat"]] + 1
        while f"KM{q['cat']:02d}{number:04d}" in taken:
            number += 1
        code = f"KM{q['cat']:02d}{number:04d}"
        taken.add(code)
        edits.setdefault(q["file"], []).append((q["q"], code))
    for path, codes in edits.items():
        lines = path.read_text(encoding="utf-8").split("\n")
        pending = dict(codes)
        current = None
        for i, line in enumerate(lines):
            if line.startswith("Q:"):
                current = line[2:].strip()
            elif line.rstrip() == f"K: {NEW_CODE}" and current in pending:
                lines[i] = f"K: {pending.pop(current)}"
        path.write_text("\n".join(lines), encoding="utf-8")
        for text, code in codes:
            print(f"{path.name}: {code} for {text[:60]}")


# ---------------------------------------------------------------- letters

def digest(seed, text):
    return int(hashlib.sha1(f"{seed}:{text}".encode()).hexdigest(), 16)


def shuffled_letters(questions, seed):
    """A letter for every question drawn from a hash of its wording: a shuffle, so that
    neither the counts nor the runs of letters follow a pattern."""
    for q in questions:
        letters = "ABC" if len(q["wrong"]) == 2 else "AB"
        h = digest(seed, q["q"])
        q["spravne"] = letters[h % len(letters)]
        wrong = list(q["wrong"])
        if len(wrong) == 2 and (h >> 8) % 2:
            wrong.reverse()
        slots = {q["spravne"]: q["right"]}
        for x, text in zip([x for x in letters if x != q["spravne"]], wrong):
            slots[x] = text
        q["slots"] = slots


def letter_figures(questions):
    """Per range: the share of each correct letter among the three-answer questions in
    force, and the share of neighbouring questions in force with the same letter."""
    figures = []
    for k, (lo, hi) in enumerate(RANGES, start=1):
        inforce = [q for q in questions if q["cat"] == k and not q["r"]]
        three = [q for q in inforce if len(q["wrong"]) == 2]
        counts = {x: sum(1 for q in three if q["spravne"] == x) for x in "ABC"}
        pairs = [(a, b) for a, b in zip(inforce, inforce[1:]) if b["n"] == a["n"] + 1]
        same = sum(1 for a, b in pairs if a["spravne"] == b["spravne"])
        figures.append({"range": (lo, hi), "three": len(three), "counts": counts,
                        "pairs": len(pairs), "same": same})
    return figures


def letters_fit(figures):
    for f in figures:
        for x in "ABC":
            share = f["counts"][x] / f["three"]
            if not LETTER_SHARE[0] <= share <= LETTER_SHARE[1]:
                return False
        if not REPEAT_SHARE[0] <= f["same"] / f["pairs"] <= REPEAT_SHARE[1]:
            return False
    return True


def assign_letters(questions):
    for seed in range(100000):
        shuffled_letters(questions, seed)
        if letters_fit(letter_figures(questions)):
            return seed
    raise SystemExit("no shuffle of the correct letters meets the spread rules")


# ---------------------------------------------------------------- form figures

def is_absolute(text):
    return ABSOLUTE.search(text) is not None


def form_figures(questions):
    """The shares that would let a learner guess from form alone."""
    three = [q for q in questions if not q["r"] and len(q["wrong"]) == 2]
    longest = sum(1 for q in three if len(q["right"]) > max(map(len, q["wrong"])))
    shortest = sum(1 for q in three if len(q["right"]) < min(map(len, q["wrong"])))
    inforce = [q for q in questions if not q["r"]]
    right_abs = sum(1 for q in inforce if is_absolute(q["right"]))
    wrong = [a for q in inforce for a in q["wrong"]]
    wrong_abs = sum(1 for a in wrong if is_absolute(a))
    return {"three": len(three), "longest": longest, "shortest": shortest,
            "right": len(inforce), "right_abs": right_abs,
            "wrong": len(wrong), "wrong_abs": wrong_abs,
            "pictures": sum(1 for q in inforce if q["p"])}


def tokens(q):
    text = f"{q['q']} {q['right']}".lower()
    return {w[:5] for w in re.findall(r"\w+", text) if len(w) >= 3}


def near_duplicates(questions):
    """Pairs of questions in force that ask much the same in much the same words. Two
    questions that show different pictures differ by their picture."""
    inforce = [(q, tokens(q)) for q in questions if not q["r"]]
    pairs = []
    for i, (a, ta) in enumerate(inforce):
        for b, tb in inforce[i + 1:]:
            if a["p"] != b["p"]:
                continue
            similarity = len(ta & tb) / len(ta | tb)
            if similarity >= SIMILAR:
                pairs.append((similarity, a, b))
    return sorted(pairs, key=lambda t: -t[0])


def pct(a, b):
    return f"{100 * a / b:3.0f} %" if b else "  – "


def print_form(title, f):
    print(f"{title}: {f['right']} in force, {f['pictures']} with a picture; "
          f"correct longest {pct(f['longest'], f['three'])}, "
          f"shortest {pct(f['shortest'], f['three'])} of {f['three']} with three answers; "
          f"absolute words in right {pct(f['right_abs'], f['right'])}, "
          f"in wrong {pct(f['wrong_abs'], f['wrong'])}")


def print_stats(questions):
    for k, (lo, hi) in enumerate(RANGES, start=1):
        print_form(f"{lo:3d}–{hi:3d}", form_figures([q for q in questions if q["cat"] == k]))
    print_form("all    ", form_figures(questions))
    for f in letter_figures(questions):
        lo, hi = f["range"]
        print(f"{lo:3d}–{hi:3d} letters {f['counts']} of {f['three']}, "
              f"same as the previous {pct(f['same'], f['pairs'])}")
    for similarity, a, b in near_duplicates(questions):
        print(f"similar {similarity:.2f}: {a['kod']} #{a['n']} / {b['kod']} #{b['n']}: "
              f"{a['q'][:50]} / {b['q'][:50]}")


def check_one(path):
    """Checks a single source file on its own (for writing one block at a time)."""
    path = pathlib.Path(path)
    m = re.match(r"(\d{4})-(\d{4})", path.name)
    qs = parse_file(path)
    for q in qs:
        check(q)
    need = int(m.group(2)) - int(m.group(1)) + 1 if m else None
    seen = set()
    for q in qs:
        if q["q"] in seen:
            raise SystemExit(f"{q['where']}: same wording twice")
        seen.add(q["q"])
    removed = sum(1 for q in qs if q["r"])
    two = sum(1 for q in qs if len(q["wrong"]) == 1)
    missing = [q["p"] for q in qs if q["p"] and not (ROOT / "data" / q["p"]).is_file()]
    print(f"{path.name}: {len(qs)} questions (name says {need}), {removed} removed, "
          f"{two} with two answers, missing pictures: {missing}")
    print_form(path.name, form_figures(qs))
    first = int(m.group(1)) if m else 1
    for i, q in enumerate(qs):
        q["n"], q["kod"] = first + i, q["k"] or f"#{first + i}"
    for similarity, a, b in near_duplicates(qs):
        print(f"similar {similarity:.2f}: #{a['n']} / #{b['n']}: {a['q'][:50]} / {b['q'][:50]}")


def main():
    if len(sys.argv) > 1 and sys.argv[1].endswith(".txt"):
        check_one(sys.argv[1])
        return
    questions = load()
    if len(questions) != 802:
        raise SystemExit(f"the sources hold {len(questions)} questions, 802 are needed")
    texts = {}
    for q in questions:
        if q["q"] in texts:
            raise SystemExit(f"{q['where']}: same wording as question {texts[q['q']]}")
        texts[q["q"]] = q["n"]
    if "--assign-codes" in sys.argv:
        write_new_codes(questions)
        return
    assign_codes(questions, pending_allowed="--stats" in sys.argv)
    seed = assign_letters(questions)
    removed = sum(1 for q in questions if q["r"])
    if "--stats" in sys.argv:
        print_stats(questions)
        return
    if "--check" in sys.argv:
        print(f"802 questions, {removed} removed, letters from shuffle {seed}")
        return
    lines = ['<?xml version="1.0" encoding="UTF-8"?>', "<otazky>"]
    for q in questions:
        s = q["slots"]
        parts = [("Kod", q["kod"]), ("Otazka", q["q"]), ("A", s["A"]), ("B", s["B"]),
                 ("C", s.get("C", "")), ("Spravne", q["spravne"]), ("Skupina", q["g"]),
                 ("Obrazek", q["p"]), ("Poznamka", q["r"])]
        lines.append("<otazka>" + "".join(f"<{t}>{escape(v)}</{t}>" for t, v in parts)
                     + "</otazka>")
    lines.append("</otazky>")
    OUTPUT.write_text("\n".join(lines) + "\n", encoding="utf-8")
    print(f"wrote {OUTPUT.relative_to(ROOT)}: 802 questions, {removed} removed, "
          f"letters from shuffle {seed}")


if __name__ == "__main__":
    main()
