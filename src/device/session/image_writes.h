#pragma once
// Every write of image bytes to the mouse: live writes (one to three bytes at a Vendor or User
// address), area writes (a block of one working copy) and section writes. One contract for all:
//  - the caller has changed the working copy; these send its bytes;
//  - the image buffer stands for what the mouse holds: it takes what the mouse accepted, and
//    what the mouse refused (or what could not be sent) goes back from the buffer into the
//    working copy, so the views never show a change that did not reach the mouse;
//  - a checked section's check byte follows the change (the mouse does not recompute it, and a
//    section whose check byte is wrong is rebuilt from defaults on the next read);
//  - the result names the step refused and how many reports of it;
//  - one SectionChanged notification per call (a driver's batch merges a run of them).
// While a whole image is read (the read busy flag) nothing is sent and the result is done.
#include <cstddef>
#include <cstdint>
#include <span>

#include "device/result.h"
#include "device/session/workspace.h"
#include "image/layout.h"

namespace gm::device::session {

// Whether a change may be sent now (false while the image is being read).
bool maySend(Workspace& workspace);

// The working-copy byte at an image address of the Vendor or User section.
std::uint8_t& workingByte(image::ImageModel& model, std::size_t address);
// The working-copy bytes of `area`, which lies inside one working copy (a section, the fire
// keys, the patch header, part of the macro area, the tail); empty for any other area.
std::span<std::uint8_t> workingBytes(image::ImageModel& model, image::Area area);

// Whether a live write is followed by its section's check byte now, or later by the caller's
// writeCheckByte() at the end of a run of writes to one section.
enum class CheckByte { Follows, Later };

// Live writes of the `count` working-copy bytes from `address` (Vendor or User), three to a
// report, then the section's check byte. A refused report ends the run.
Result writeLive(Workspace& workspace, std::size_t address, std::size_t count,
                 CheckByte check = CheckByte::Follows);

// Writes the check byte of the section holding `address` for what the mouse holds, when the
// mouse's check byte differs from it.
Result writeCheckByte(Workspace& workspace, std::size_t address);

// The block write of a working-copy area. A checked section (Vendor, User, a profile) gets its
// check byte recomputed first. When the mouse refused some of its data reports, the area is read
// back so the working copy and the buffer show what the mouse holds; when that read fails too, the
// working copy takes the buffer's bytes again. The progress window is hidden afterwards. With
// ReadBack::ByCaller a refused data report leaves the area as asked, for a sequence that must go on
// first; the caller then calls settleRefusedArea().
enum class ReadBack { AtOnce, ByCaller };
Result writeArea(Workspace& workspace, image::Area area, Step step,
                 ReadBack readBack = ReadBack::AtOnce);

// After a block write of `area` the mouse did not take whole: what it holds replaces the buffer
// and the working copy when it can be read whole, else the working copy takes the buffer's bytes.
void settleRefusedArea(Workspace& workspace, image::Area area);

// The check byte of the sections inside `area` is recomputed in the working copy.
void setCheckBytes(image::ImageModel& model, image::Area area);

}  // namespace gm::device::session
