/* iconv for MinGW-w64 through Windows' own code pages: enough for ZBar, which turns the text of QR
 * codes into UTF-8 from UTF-8, ISO 8859-n, CP437, Shift JIS and Big5. */
#ifndef QUILLFEN_ICONV_H
#define QUILLFEN_ICONV_H

#include <stddef.h>

#ifdef __cplusplus
extern "C" {
#endif

typedef void *iconv_t;

iconv_t iconv_open(const char *tocode, const char *fromcode);
size_t iconv(iconv_t cd, char **inbuf, size_t *inbytesleft, char **outbuf, size_t *outbytesleft);
int iconv_close(iconv_t cd);

#ifdef __cplusplus
}
#endif

#endif
