/* The device link's C interface: the five entry points of libZorComm.so.
   Wide texts are NUL-terminated UTF-16. */
#ifndef ZORCOMM_H
#define ZORCOMM_H

#include <stdint.h>
#ifndef __cplusplus
#include <uchar.h>
#endif

#ifdef __cplusplus
extern "C" {
#endif

#define ZORCOMM_API __attribute__((visibility("default")))

/* Hands one 4-byte packet (FF FF code value) to the controller. 0 = delivered. */
ZORCOMM_API int32_t dwSendCommand(const uint8_t* packet, int32_t length, const char16_t* systemName);

/* Reads the reply to a status code into block, writing at most length bytes.
   0 = the block was filled. */
ZORCOMM_API int32_t dwGetStatus(int32_t statusCode, int32_t reserved, uint8_t* block, int32_t length,
                                const char16_t* systemName);

/* Looks for a marking system. discovery: 2,564 bytes of scratch. Nonzero = found. */
ZORCOMM_API int32_t ZORFindSystems(uint8_t* discovery, int32_t* found);

/* Bulk data transfer (not used by the maintenance tool). */
ZORCOMM_API int32_t dwSendData(const uint8_t* data, int32_t length, const char16_t* systemName);

/* Reports whether the named system answers. 0 = it does. */
ZORCOMM_API int32_t ZORSystemCheckStatus(const char16_t* systemName);

#ifdef __cplusplus
}
#endif

#endif
