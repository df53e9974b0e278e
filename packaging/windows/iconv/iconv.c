/* iconv through MultiByteToWideChar and WideCharToMultiByte, one character at a time so that
 * every failure leaves the buffers where POSIX says: after the last character converted, with
 * EILSEQ for a byte sequence the source code page rejects or the target cannot write, EINVAL for
 * a character cut off by the end of the input and E2BIG when the output is full. Stateless code
 * pages only, which is all ZBar asks for. */
#include "iconv.h"

#include <ctype.h>
#include <errno.h>
#include <stdlib.h>
#include <string.h>
#include <windows.h>

typedef struct {
    UINT from;
    UINT to;
} conversion;

/* The code page of a name as ZBar and the usual iconv spell it, or 0. */
static UINT code_page_of(const char *name)
{
    char key[32];
    size_t n = 0;
    /* Case, hyphens and underscores do not matter: "ISO8859-1", "iso-8859-1", "BIG-5". */
    for (; *name != '\0' && n + 1 < sizeof key; ++name) {
        if (*name != '-' && *name != '_')
            key[n++] = (char)toupper((unsigned char)*name);
    }
    key[n] = '\0';
    if (strcmp(key, "UTF8") == 0)
        return CP_UTF8;
    if (strcmp(key, "SJIS") == 0 || strcmp(key, "SHIFTJIS") == 0 || strcmp(key, "CP932") == 0)
        return 932;
    if (strcmp(key, "BIG5") == 0 || strcmp(key, "CP950") == 0)
        return 950;
    if (strcmp(key, "CP437") == 0)
        return 437;
    if (strcmp(key, "ASCII") == 0 || strcmp(key, "USASCII") == 0)
        return 20127;
    if (strcmp(key, "LATIN1") == 0)
        return 28591;
    if (strncmp(key, "ISO8859", 7) == 0 && key[7] != '\0') {
        char *end;
        long part = strtol(key + 7, &end, 10);
        /* Windows has parts 1 to 9, 13 and 15 (28591-28599, 28603, 28605). */
        if (*end == '\0' && ((part >= 1 && part <= 9) || part == 13 || part == 15))
            return (UINT)(28590 + part);
    }
    return 0;
}

iconv_t iconv_open(const char *tocode, const char *fromcode)
{
    conversion *c;
    UINT to = code_page_of(tocode);
    UINT from = code_page_of(fromcode);
    if (to == 0 || from == 0 || !IsValidCodePage(to) || !IsValidCodePage(from)) {
        errno = EINVAL;
        return (iconv_t)-1;
    }
    c = malloc(sizeof *c);
    if (c == NULL) {
        errno = ENOMEM;
        return (iconv_t)-1;
    }
    c->from = from;
    c->to = to;
    return c;
}

int iconv_close(iconv_t cd)
{
    free(cd);
    return 0;
}

/* How many bytes the character at the start of s takes in the code page, by its first byte. */
static size_t character_length(UINT code_page, unsigned char first)
{
    if (code_page == CP_UTF8) {
        if (first < 0x80)
            return 1;
        if ((first & 0xE0) == 0xC0)
            return 2;
        if ((first & 0xF0) == 0xE0)
            return 3;
        if ((first & 0xF8) == 0xF0)
            return 4;
        return 1; /* a stray continuation byte: rejected as it is converted */
    }
    return IsDBCSLeadByteEx(code_page, first) ? 2 : 1;
}

size_t iconv(iconv_t cd, char **inbuf, size_t *inbytesleft, char **outbuf, size_t *outbytesleft)
{
    const conversion *c = cd;
    if (cd == NULL || cd == (iconv_t)-1) {
        errno = EBADF;
        return (size_t)-1;
    }
    /* No input: back to the initial state, which a stateless code page always is. */
    if (inbuf == NULL || *inbuf == NULL)
        return 0;
    while (*inbytesleft > 0) {
        WCHAR wide[2];
        char bytes[8];
        int wide_length, length;
        BOOL lossy = FALSE;
        size_t in_length = character_length(c->from, (unsigned char)**inbuf);
        if (in_length > *inbytesleft) {
            errno = EINVAL;
            return (size_t)-1;
        }
        wide_length = MultiByteToWideChar(c->from, MB_ERR_INVALID_CHARS, *inbuf, (int)in_length,
                                          wide, 2);
        /* Windows maps undefined single bytes of some code pages to private characters without
         * complaint; a byte it cannot read at all is an error. */
        if (wide_length <= 0) {
            errno = EILSEQ;
            return (size_t)-1;
        }
        if (c->to == CP_UTF8) {
            length = WideCharToMultiByte(CP_UTF8, WC_ERR_INVALID_CHARS, wide, wide_length, bytes,
                                         (int)sizeof bytes, NULL, NULL);
        } else {
            length = WideCharToMultiByte(c->to, WC_NO_BEST_FIT_CHARS, wide, wide_length, bytes,
                                         (int)sizeof bytes, NULL, &lossy);
        }
        if (length <= 0 || lossy) {
            errno = EILSEQ;
            return (size_t)-1;
        }
        if ((size_t)length > *outbytesleft) {
            errno = E2BIG;
            return (size_t)-1;
        }
        memcpy(*outbuf, bytes, (size_t)length);
        *outbuf += length;
        *outbytesleft -= (size_t)length;
        *inbuf += in_length;
        *inbytesleft -= in_length;
    }
    /* Every character had an exact counterpart: nothing was converted irreversibly. */
    return 0;
}
