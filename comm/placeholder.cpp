#include "zorcomm.h"
int32_t dwSendCommand(const uint8_t*, int32_t, const char16_t*) { return 0; }
int32_t dwGetStatus(int32_t, int32_t, uint8_t*, int32_t, const char16_t*) { return 1; }
int32_t ZORFindSystems(uint8_t*, int32_t*) { return 1; }
int32_t dwSendData(const uint8_t*, int32_t, const char16_t*) { return 0; }
int32_t ZORSystemCheckStatus(const char16_t*) { return 0; }
