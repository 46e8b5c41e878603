#!/usr/bin/env python3
"""How often the base-form finders find the right base form.

The stems of a Hunspell dictionary become the headword list of a group; every
inflected form that `unmunch` makes from a stem is then looked up with
`lexorin base-form --batch`. A form counts as found when the finder returns
its own stem (letter case ignored; a form made from several stems may return
any of them). Forms that are themselves stems are left out: the finder returns
them unchanged before any rule runs. Prints the shares and the most frequent
kinds of miss.

Needs the packages hunspell-ru, hunspell-en-us and hunspell-tools.
Usage: bench/morphology_quality.py [--lexorin PATH] [--top N] [ru] [en]
"""
import argparse
import collections
import os
import pathlib
import subprocess
import sys
import tempfile

ROOT = pathlib.Path(__file__).resolve().parent.parent
HUNSPELL = pathlib.Path("/usr/share/hunspell")
# Which dictionary feeds which group, and the group's two word lists.
LANGUAGES = {
    "ru": ("Russian", "ru_RU", "ngaviet", "nganga"),
    "en": ("English", "en_US", "anhviet", "anhanh"),
}
SEPARATOR = "QQSEPARATORQQ"  # a flagless word between two entries of the .dic


def expand(dic_path, aff_path, workdir):
    """Each .dic entry's stem and the forms unmunch makes from it."""
    entries = [line for line in dic_path.read_text(encoding="utf-8").splitlines()[1:] if line.strip()]
    separated = workdir / (dic_path.stem + ".separated.dic")
    with separated.open("w", encoding="utf-8") as out:
        out.write(f"{2 * len(entries)}\n")
        for entry in entries:
            out.write(f"{entry}\n{SEPARATOR}\n")
    result = subprocess.run(["unmunch", str(separated), str(aff_path)], check=True, capture_output=True)
    groups = [[]]
    for word in result.stdout.decode("utf-8", errors="replace").splitlines():
        if word == SEPARATOR:
            groups.append([])
        else:
            groups[-1].append(word)
    groups.pop()  # after the last separator
    if len(groups) != len(entries):
        sys.exit(f"unmunch gave {len(groups)} groups for {len(entries)} entries of {dic_path}")
    return [(entry.split("/", 1)[0], forms) for entry, forms in zip(entries, groups)]


def upper(word):
    return "".join(c.upper() if len(c.upper()) == 1 else c for c in word)


def write_headwords(path, headwords):
    path.write_bytes(b"\xff\xfe" + "".join(w + "\r\n" for w in headwords).encode("utf-16-le"))


def write_dictionary(data, base, headwords):
    write_headwords(data / f"{base}.index1", headwords)
    for ext in ("index2", "index3", "dict"):  # entries are never read here
        (data / f"{base}.{ext}").write_bytes(b"")


def ending_change(form, *others):
    """The endings after the words' common beginning: '-ешься → -иться'."""
    words = (form,) + others
    common = 0
    while common < min(map(len, words)) and len({w[common].lower() for w in words}) == 1:
        common += 1
    form_tail, *other_tails = (w[common:] for w in words)
    return f"-{form_tail} → " + ", wanted ".join(f"-{t}" for t in reversed(other_tails))


def measure(code, lexorin, top, workdir):
    name, hunspell, x_vietnamese, second = LANGUAGES[code]
    groups = expand(HUNSPELL / f"{hunspell}.dic", HUNSPELL / f"{hunspell}.aff", workdir)

    headwords = sorted({stem for stem, _ in groups}, key=upper)
    is_headword = {upper(h) for h in headwords}
    stems_of = collections.defaultdict(set)
    for stem, forms in groups:
        for form in forms:
            if form != stem:
                stems_of[form].add(stem)
    excluded = [form for form in stems_of if upper(form) in is_headword]
    forms = sorted(form for form in stems_of if upper(form) not in is_headword)

    data = workdir / f"data-{code}"
    data.mkdir()
    write_dictionary(data, x_vietnamese, headwords)
    write_dictionary(data, second, headwords)
    batch = workdir / f"forms-{code}.txt"
    batch.write_text("".join(f + "\n" for f in forms), encoding="utf-8")
    run = subprocess.run([str(lexorin), "--data", str(data), "base-form", code, "--batch", str(batch)],
                         check=True, capture_output=True)
    results = run.stdout.decode("utf-8").split("\n")[: len(forms)]
    if len(results) != len(forms):
        sys.exit(f"lexorin gave {len(results)} results for {len(forms)} forms")

    found = 0
    misses = collections.Counter()
    examples = {}
    for form, result in zip(forms, results):
        stems = stems_of[form]
        if result and upper(result) in {upper(s) for s in stems}:
            found += 1
            continue
        stem = min(stems)
        if result:
            kind = ("another headword", ending_change(form, stem, result))
        else:
            kind = ("nothing found", ending_change(form, stem))
        misses[kind] += 1
        examples.setdefault(kind, f"{form} → {result or '∅'}, wanted {stem}")

    total = len(forms)
    nothing = sum(n for (what, _), n in misses.items() if what == "nothing found")
    other = total - found - nothing
    print(f"{name}: {len(headwords)} stems, {total} inflected forms "
          f"({len(excluded)} more forms are stems themselves and are left out)")
    print(f"  own stem found:    {found:8d}  {100.0 * found / total:5.1f}%")
    print(f"  another headword:  {other:8d}  {100.0 * other / total:5.1f}%")
    print(f"  nothing found:     {nothing:8d}  {100.0 * nothing / total:5.1f}%")
    for what in ("nothing found", "another headword"):
        print(f"  most frequent kinds of miss, {what}:")
        kinds = [(kind, n) for kind, n in misses.most_common() if kind[0] == what][:top]
        for (_, change), n in kinds:
            print(f"    {n:7d}  {change:30s}  e.g. {examples[(what, change)]}")
    return found, total


def main():
    parser = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    default_build = pathlib.Path(os.environ.get("LEXORIN_BUILD_DIR", ROOT / "build"))
    parser.add_argument("--lexorin", type=pathlib.Path, default=default_build / "bin" / "lexorin")
    parser.add_argument("--top", type=int, default=12, help="kinds of miss to list")
    parser.add_argument("languages", nargs="*", default=["ru", "en"], help="ru, en or both")
    args = parser.parse_args()
    for code in args.languages:
        if code not in LANGUAGES:
            parser.error(f"unknown language {code}: ru or en")
    if not args.lexorin.exists():
        sys.exit(f"{args.lexorin} not found: build the lexorin target or give --lexorin")
    for code in args.languages:
        if not (HUNSPELL / f"{LANGUAGES[code][1]}.dic").exists():
            sys.exit("install hunspell-ru, hunspell-en-us and hunspell-tools first")
    with tempfile.TemporaryDirectory(prefix="lexorin-quality-") as work:
        for code in args.languages:
            measure(code, args.lexorin, args.top, pathlib.Path(work))


if __name__ == "__main__":
    main()
