#pragma once
// The program's own count of the drawing objects it holds: GDI handles (device contexts, bitmaps,
// fonts, brushes) and the drawing library's objects (images, graphics, brushes, pens, fonts,
// formats, regions, matrices). Every owner of such an object counts it while it holds it, so a
// leak shows as a count that keeps growing, also where the system reports no counts of its own.
// Diagnostic state shared by the whole process; counted from any thread.

namespace vimo {

enum class LiveKind { Gdi, Gdiplus };

void CountLive(LiveKind kind, long delta);
long LiveCount(LiveKind kind);

} // namespace vimo
