#!/usr/bin/env python3
"""Plain-text extraction from RTF, written apart from the C++ reader, to make the
expected texts of the reader's corpus test (<name>.txt beside this script).

Usage: extract_text.py FILE.rtf...   writes FILE's text to <name>.txt here.

Body text only: the font, colour and style tables, pictures, headers, footers,
notes, annotations, field instructions, list-number texts and every group that
starts with \\* are left out; field results are kept. Paragraph, cell, row, line
and page marks become a line feed, \\tab a tab. Bytes are decoded in the code
page of the current font's character set, else that of \\ansicpg.
"""
import os
import sys

CHARSET_CP = {0: None, 1: None, 2: 'symbol', 77: 'mac_roman', 78: 'shift_jis', 88: 'mac_latin2', 89: 'mac_cyrillic',
              128: 'cp932', 129: 'cp949', 130: 'johab', 134: 'gbk', 136: 'cp950', 161: 'cp1253', 162: 'cp1254',
              163: 'cp1258', 177: 'cp1255', 178: 'cp1256', 186: 'cp1257', 204: 'cp1251', 222: 'cp874',
              238: 'cp1250', 254: 'cp437', 255: 'cp850'}
CODEPAGE = {10000: 'mac_roman', 10001: 'shift_jis', 10007: 'mac_cyrillic', 10029: 'mac_latin2', 65001: 'utf-8'}

SKIP = set('''fonttbl colortbl stylesheet info pict header headerl headerr headerf footer footerl footerr footerf
footnote annotation fldinst pntext listtext pn nonshppict nonesttables listtable listoverridetable author
buptim comment creatim doccomm ftncn ftnsep ftnsepc keywords operator printim private1 revtim rxe subject tc
tcn title txe xe filetbl revtbl rsidtbl xmlnstbl themedata colorschememapping latentstyles datastore
generator atnid atnauthor atnref atrfstart atrfend atntime atndate bkmkstart bkmkend objdata objclass
shpinst template'''.split())
# Words that are not destinations, seen after a misplaced \\*.
NOT_DESTINATIONS = set('cs b i ul ulnone f fs cf lang loch hich dbch plain ltrch rtlch par tab'.split())
CHARS = {'emdash': '\u2014', 'endash': '\u2013', 'emspace': '\u2003', 'enspace': '\u2002', 'qmspace': '\u2005',
         'bullet': '\u2022', 'lquote': '\u2018', 'rquote': '\u2019', 'ldblquote': '\u201c', 'rdblquote': '\u201d',
         'zwj': '\u200d', 'zwnj': '\u200c', 'ltrmark': '\u200e', 'rtlmark': '\u200f', 'zwbo': '\u200b',
         'tab': '\t', 'par': '\n', 'line': '\n', 'cell': '\n', 'nestcell': '\n', 'row': '\n', 'nestrow': '\n',
         'sect': '\n', 'page': '\n', 'column': '\n'}


def codec_for(cp):
    if cp in CODEPAGE:
        return CODEPAGE[cp]
    return 'cp%d' % cp


def decode(data, codec):
    if codec == 'symbol':
        # Symbol fonts keep their glyphs in the private use area; ASCII stays readable.
        return ''.join(chr(0xF000 + b) if b >= 0x80 else chr(b) for b in data)
    try:
        return data.decode(codec, errors='replace')
    except LookupError:
        return data.decode('cp1252', errors='replace')


def extract(data):
    out = []
    pending = bytearray()
    pending_codec = ['cp1252']
    doc_codec = ['cp1252']
    fonts = {}  # number -> codec or None
    font_entry = [None]
    deff = [None]
    # state: skip, in_fonttbl, font, uc, upr
    stack = []
    st = {'skip': False, 'fonttbl': False, 'font': None, 'uc': 1, 'upr': False}
    skip_chars = [0]
    i = 0
    n = len(data)
    group_start = [False]
    star = [False]

    def cur_codec():
        f = st['font'] if st['font'] is not None else deff[0]
        c = fonts.get(f)
        return c if c else doc_codec[0]

    def flush():
        if pending:
            out.append(decode(bytes(pending), pending_codec[0]))
            pending.clear()

    def emit_byte(b):
        if st['skip']:
            return
        if skip_chars[0] > 0:
            skip_chars[0] -= 1
            return
        c = cur_codec()
        if pending and c != pending_codec[0]:
            flush()
        pending_codec[0] = c
        pending.append(b)

    def emit(text):
        if st['skip']:
            return
        flush()
        out.append(text)

    while i < n:
        c = data[i]
        if c == 0x7B:  # {
            flush()
            stack.append(dict(st))
            skip_chars[0] = 0
            group_start[0] = True
            i += 1
            continue
        if c == 0x7D:  # }
            flush()
            if stack:
                st = stack.pop()
            skip_chars[0] = 0
            i += 1
            group_start[0] = False
            continue
        if c in (0x0D, 0x0A):
            i += 1
            continue
        if c != 0x5C:
            group_start[0] = False
            if st['fonttbl']:
                i += 1
                continue
            emit_byte(c)
            i += 1
            continue
        # control word or symbol
        i += 1
        if i >= n:
            break
        c = data[i]
        first_in_group = group_start[0]
        group_start[0] = False
        if not (0x41 <= c <= 0x5A or 0x61 <= c <= 0x7A):
            i += 1
            sym = chr(c)
            if sym == "'":
                h = data[i:i + 2]
                i += 2
                try:
                    b = int(h, 16)
                except ValueError:
                    continue
                if st['fonttbl'] or st['skip']:
                    continue
                if b == 0 and not pending and skip_chars[0] == 0:
                    continue
                emit_byte(b)
            elif sym == '*':
                # Decided by the word that follows: a destination we do not read
                # skips its group, a formatting word misplaced after it does not.
                star[0] = True
            elif sym in '{}\\':
                if skip_chars[0] > 0:
                    skip_chars[0] -= 1
                else:
                    emit(sym)
            elif sym == '~':
                emit('\u00a0')
            elif sym == '_':
                emit('\u2011')
            elif sym in '\r\n':
                emit('\n')
            continue
        j = i
        while j < n and (0x41 <= data[j] <= 0x5A or 0x61 <= data[j] <= 0x7A):
            j += 1
        word = data[i:j].decode('ascii').lower()
        k = j
        if k < n and data[k] == 0x2D:
            k += 1
        while k < n and 0x30 <= data[k] <= 0x39:
            k += 1
        param = data[j:k].decode('ascii')
        num = int(param) if param not in ('', '-') else None
        if k < n and data[k] == 0x20:
            k += 1
        i = k
        if star[0]:
            star[0] = False
            if word == 'nesttableprops' or (word == 'ud' and st['upr']):
                pass  # read in place
            elif word not in NOT_DESTINATIONS:
                st['skip'] = True
                continue
        if word == 'bin':
            count = num or 0
            i += count
            continue
        if word in ('ud',) and st['upr']:
            st['skip'] = False
            st['upr'] = False
            continue
        if word == 'upr':
            st['upr'] = True
            # the first group inside holds 8-bit text; only \ud counts
            st['skip'] = True
            continue
        if word in SKIP and first_in_group:
            if word == 'fonttbl':
                st['fonttbl'] = True
            else:
                st['skip'] = True
            continue
        if st['fonttbl']:
            if word == 'f':
                font_entry[0] = num
                fonts.setdefault(num, None)
            elif word == 'fcharset' and font_entry[0] is not None:
                fonts[font_entry[0]] = CHARSET_CP.get(num)
            elif word == 'cpg' and font_entry[0] is not None and num:
                fonts[font_entry[0]] = codec_for(num)
            continue
        if word == 'ansicpg' and num:
            doc_codec[0] = codec_for(num)
            continue
        if word == 'mac':
            doc_codec[0] = 'mac_roman'
            continue
        if word == 'pc':
            doc_codec[0] = 'cp437'
            continue
        if word == 'pca':
            doc_codec[0] = 'cp850'
            continue
        if word == 'deff':
            deff[0] = num
            continue
        if word == 'f':
            flush()
            st['font'] = num
            continue
        if word == 'plain':
            flush()
            st['font'] = None
            continue
        if word == 'uc':
            st['uc'] = max(0, min(num if num is not None else 1, 16))
            continue
        if word == 'u' and num is not None:
            if st['skip']:
                continue
            if skip_chars[0] > 0:
                skip_chars[0] -= 1
                continue
            v = num + 65536 if num < 0 else num
            flush()
            out.append(chr(v))
            skip_chars[0] = st['uc']
            continue
        if word in CHARS:
            if skip_chars[0] > 0 and word not in ('par', 'cell', 'row', 'nestcell', 'nestrow', 'sect'):
                skip_chars[0] -= 1
                continue
            emit(CHARS[word])
            continue
    flush()
    text = ''.join(out)
    # Surrogate pairs written as two \u escapes join into one character here.
    return text.encode('utf-16-le', 'surrogatepass').decode('utf-16-le', errors='replace')


def main():
    # VYX_EXTRACT_OUT: another folder for the texts (tests make the ones not kept here).
    here = os.environ.get('VYX_EXTRACT_OUT') or os.path.dirname(os.path.abspath(__file__))
    for path in sys.argv[1:]:
        with open(path, 'rb') as f:
            text = extract(f.read())
        name = os.path.splitext(os.path.basename(path))[0]
        with open(os.path.join(here, name + '.txt'), 'w', encoding='utf-8', newline='\n') as f:
            f.write(text)


if __name__ == '__main__':
    main()
