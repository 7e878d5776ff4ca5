# Checks the bytes of a job cancelled while it printed, against the same job printed
# whole up to the page it was cancelled on.
#
#   cancelled_job.py pages CANCELLED
#       prints how many pages the cancelled job holds (its page-end form feeds).
#   cancelled_job.py check CANCELLED WHOLE LINES_PER_PAGE
#       WHOLE is the job printed from the same first page to that last page. Every page
#       of CANCELLED but the last is the same as in WHOLE; the last has the same first
#       lines, then blank lines, so that it too has LINES_PER_PAGE lines and its
#       form feed; after it comes the same job end as in WHOLE. Prints
#       "page P after L lines" (the last page, the text lines it kept), or what differs
#       and exits 1.
import sys

FORM_FEED = b"\x0c"
BLANK_LINE = b"  "


def pages_and_end(job):
    """The pages, each up to and with its form feed, and what follows the last one."""
    last = job.rfind(FORM_FEED)
    if last < 0:
        return [], job
    body, end = job[: last + 1], job[last + 1:]
    pages = [p + FORM_FEED for p in body.split(FORM_FEED)[:-1]]
    return pages, end


def lines_of(page):
    """The lines of a page (the first with the control codes before it), without CR LF."""
    parts = page[: -len(FORM_FEED)].split(b"\r\n")
    if parts[-1] != b"":
        raise ValueError("text after the last line of a page: %r" % parts[-1][:40])
    return parts[:-1]


def check(cancelled, whole, lines_per_page):
    c_pages, c_end = pages_and_end(cancelled)
    w_pages, w_end = pages_and_end(whole)
    if not c_pages:
        return "no page ends with a form feed"
    if c_end != w_end:
        return "job end %r, expected %r" % (c_end[:40], w_end[:40])
    if len(c_pages) != len(w_pages):
        return "%d pages, the whole job has %d" % (len(c_pages), len(w_pages))
    for n, (c, w) in enumerate(zip(c_pages[:-1], w_pages[:-1]), 1):
        if c != w:
            return "page %d differs from the whole job's" % n
    c_lines, w_lines = lines_of(c_pages[-1]), lines_of(w_pages[-1])
    if len(c_lines) != lines_per_page:
        return "last page has %d lines, not %d" % (len(c_lines), lines_per_page)
    kept = 0
    while kept < len(c_lines) and c_lines[kept] == w_lines[kept]:
        kept += 1
    if kept == 0:
        return "last page's first line differs"
    if any(line != BLANK_LINE for line in c_lines[kept:]):
        return "last page: after %d lines, a line neither the job's nor blank" % kept
    return "page %d after %d lines" % (len(c_pages), kept)


def main():
    if sys.argv[1] == "pages":
        with open(sys.argv[2], "rb") as f:
            print(len(pages_and_end(f.read())[0]))
        return 0
    with open(sys.argv[2], "rb") as f:
        cancelled = f.read()
    with open(sys.argv[3], "rb") as f:
        whole = f.read()
    try:
        verdict = check(cancelled, whole, int(sys.argv[4]))
    except ValueError as e:
        verdict = str(e)
    print(verdict)
    return 0 if verdict.startswith("page ") else 1


if __name__ == "__main__":
    sys.exit(main())
