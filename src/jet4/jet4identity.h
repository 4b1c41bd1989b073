#pragma once

#include "jet4database.h"

#include <array>
#include <cstdint>

// The security identity every written file carries. Jet keeps the owners of
// objects and the principals of permission rows (MSysACEs) as security ids
// stored in a form tied to the database's header (its creation date), by an
// algorithm that is not published. The writer therefore reproduces, as one
// piece, the header fields and the stored ids of an Access-made database created
// with the default workgroup: the Admin user owns every object, the Admins and
// Users groups and the Creator hold Access's default permissions, and the engine
// owns the system tables. Access opens such a file as one of its own.
namespace jet4::identity
{

// Creation date field of the header (a double, little endian).
constexpr std::array<std::uint8_t, 8> HeaderDate = {0x40, 0x9A, 0xFF, 0x14, 0x54, 0xF6, 0xE2, 0x40};
// Two header fields whose meaning is unknown, kept with the date.
constexpr std::array<std::uint8_t, 2> HeaderField6A = {0x41, 0x23};
constexpr std::array<std::uint8_t, 4> HeaderFieldE00 = {0xC0, 0x01, 0x6B, 0x08};

enum class Principal { AdminUser, UsersGroup, Creator, Engine, AdminsGroup };

Bytes StoredId(Principal principal);

} // namespace jet4::identity
