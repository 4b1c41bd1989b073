#pragma once

/* Meridox: conversion of one coordinate pair at a time between named
 * coordinate systems. C interface of libmeridox.so.
 *
 * Names and definition lines are zero-terminated Windows-1252 strings (the
 * degree sign is the byte 0xB0). Failed results are 0.0 in the affected output
 * slots; the registry functions return 0 on success and 1 on failure. The
 * library keeps one process-wide engine without locks: call it from one
 * thread at a time. */

#include <stdint.h>

#if defined(MERIDOX_BUILDING_LIBRARY)
#define MERIDOX_API __attribute__((visibility("default")))
#else
#define MERIDOX_API
#endif

#ifdef __cplusplus
extern "C" {
#endif

/* Root of the per-user key/value store that stands in for the registry. */
typedef void *MeridoxRegistryRoot;
#define MERIDOX_HKEY_CLASSES_ROOT ((MeridoxRegistryRoot)(uintptr_t)0x80000000u)
#define MERIDOX_HKEY_CURRENT_USER ((MeridoxRegistryRoot)(uintptr_t)0x80000001u)
#define MERIDOX_HKEY_LOCAL_MACHINE ((MeridoxRegistryRoot)(uintptr_t)0x80000002u)
#define MERIDOX_HKEY_USERS ((MeridoxRegistryRoot)(uintptr_t)0x80000003u)

/* Unit codes. */
enum {
    MERIDOX_UNIT_DMS = 0, /* D.MMSSsss */
    MERIDOX_UNIT_DM = 1,  /* D.MMmmm */
    MERIDOX_UNIT_DEGREES = 2,
    MERIDOX_UNIT_GRADS = 3,
    MERIDOX_UNIT_RADIANS = 4,
    MERIDOX_UNIT_METRES = 5,
    MERIDOX_UNIT_KILOMETRES = 6,
    MERIDOX_NO_CONVERGENCE = -1
};

/* Geographic flags. */
enum { MERIDOX_PROJECTED = 0, MERIDOX_GREENWICH = 1, MERIDOX_PARIS = 2 };

/* The spreadsheet's array of doubles: rows x columns values in row order,
 * starting at byte offset 8. */
typedef struct MeridoxFpArray {
    uint16_t rows;
    uint16_t columns;
    double array[1];
} MeridoxFpArray;

MERIDOX_API void SetCleRegistre(MeridoxRegistryRoot root);
MERIDOX_API int InitRegistre(const char *key, const char *definitionFile);
MERIDOX_API int ChargeRegistre(const char *key);
MERIDOX_API void SetConversion(const char *name, const char *definitionLine);
MERIDOX_API void SetPivot(const char *name);
MERIDOX_API void SetMeridienParis(const char *angleText);
MERIDOX_API int GetTypeCoord(const char *name);

/* in: two doubles (latitude, longitude for geographic systems; x, y for
 * projected ones); out: three doubles (pair, then the meridian convergence). */
MERIDOX_API void Conversion(const double *in, const char *source, short sourceUnit,
                            short sourceFlag, double *out, const char *destination,
                            short destinationUnit, short destinationFlag, short convergenceUnit);
/* As Conversion, but geographic pairs are longitude, latitude on both sides. */
MERIDOX_API void Conversion2(const double *in, const char *source, short sourceUnit,
                             short sourceFlag, double *out, const char *destination,
                             short destinationUnit, short destinationFlag, short convergenceUnit);

MERIDOX_API void ConversionXl(const char *key, const MeridoxFpArray *in, const char *source,
                              short sourceUnit, short sourceFlag, MeridoxFpArray *out,
                              const char *destination, short destinationUnit, short destinationFlag,
                              short convergenceUnit);
MERIDOX_API void ConversionXl2(const char *key, const MeridoxFpArray *in, const char *source,
                               short sourceUnit, short sourceFlag, MeridoxFpArray *out,
                               const char *destination, short destinationUnit,
                               short destinationFlag, short convergenceUnit);

#ifdef __cplusplus
}
#endif
