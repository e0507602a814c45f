#!/usr/bin/env python3
"""Assembles data/otazky.xml from the question sources in tools/katalog/otazky/."""
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
                   "p": "", "r": "", "where": where}
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
    if len(q["r"]) > 110:
        raise SystemExit(f"{w}: removal note longer than 110 characters")
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
    return allq


def assign_letters(questions):
    """Chooses the slot of the correct answer: the least used letter so far, ties
    broken by a hash of the wording, so that the letters are even and irregular."""
    used = {"A": 0, "B": 0, "C": 0}
    for q in questions:
        letters = "ABC" if len(q["wrong"]) == 2 else "AB"
        h = int(hashlib.sha1(q["q"].encode()).hexdigest(), 16)
        low = min(used[x] for x in letters)
        cands = [x for x in letters if used[x] <= low + (h >> 8) % 2]
        right = cands[h % len(cands)]
        used[right] += 1
        slots = {right: q["right"]}
        rest = [x for x in letters if x != right]
        for x, text in zip(rest, q["wrong"]):
            slots[x] = text
        q["slots"] = slots
        q["spravne"] = right
    return used


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
    pics = sum(1 for q in qs if q["p"])
    missing = [q["p"] for q in qs if q["p"] and not (ROOT / "data" / q["p"]).is_file()]
    print(f"{path.name}: {len(qs)} questions (name says {need}), {removed} removed, "
          f"{two} with two answers, {pics} with a picture, missing pictures: {missing}")


def main():
    if len(sys.argv) > 1 and sys.argv[1].endswith(".txt"):
        check_one(sys.argv[1])
        return
    questions = load()
    if len(questions) != 802:
        raise SystemExit(f"the sources hold {len(questions)} questions, 802 are needed")
    texts = {}
    for n, q in enumerate(questions, start=1):
        if q["q"] in texts:
            raise SystemExit(f"{q['where']}: same wording as question {texts[q['q']]}")
        texts[q["q"]] = n
    used = assign_letters(questions)
    removed = sum(1 for q in questions if q["r"])
    if "--check" in sys.argv:
        print(f"802 questions, {removed} removed, correct letters {used}")
        return
    seq = {}
    lines = ['<?xml version="1.0" encoding="UTF-8"?>', "<otazky>"]
    for n, q in enumerate(questions, start=1):
        k = category(n)
        seq[k] = seq.get(k, 0) + 1
        kod = f"KM{k:02d}{seq[k]:04d}"
        s = q["slots"]
        parts = [("Kod", kod), ("Otazka", q["q"]), ("A", s["A"]), ("B", s["B"]),
                 ("C", s.get("C", "")), ("Spravne", q["spravne"]), ("Skupina", q["g"]),
                 ("Obrazek", q["p"]), ("Poznamka", q["r"])]
        lines.append("<otazka>" + "".join(f"<{t}>{escape(v)}</{t}>" for t, v in parts)
                     + "</otazka>")
    lines.append("</otazky>")
    OUTPUT.write_text("\n".join(lines) + "\n", encoding="utf-8")
    print(f"wrote {OUTPUT.relative_to(ROOT)}: 802 questions, {removed} removed, "
          f"correct letters {used}")


if __name__ == "__main__":
    main()
