// The codec's fixed English messages, for exceptions and warnings alike, so that users and tests can search for them.
#pragma once

namespace GIFText {

inline constexpr char InvalidSignature[] = "Invalid GIF signature";
inline constexpr char UnsupportedVersion[] = "Unsupported GIF version";
inline constexpr char BadScreenColorCount[] = "Invalid number of colors specified in Screen Descriptor";
inline constexpr char BadImageColorCount[] = "Invalid number of colors specified in Image Descriptor";
inline constexpr char UnknownExtension[] = "Unknown extension type";
inline constexpr char BadExtensionIntroducer[] = "Invalid extension introducer";
inline constexpr char ExtensionMismatch[] = "Internal error: Extension Instance does not match Extension Label";
inline constexpr char BadAppExtensionSize[] = "Unsupported Application Extension block size";
inline constexpr char InvalidData[] = "Invalid GIF data";
inline constexpr char ColorTableOverflow[] = "Color table overflow";
inline constexpr char ColorTableEmpty[] = "Color table is empty";
inline constexpr char InvalidColorIndex[] = "Invalid color index";
inline constexpr char PrematureEnd[] = "Premature end of data";
inline constexpr char ObjectNotSupported[] = "Object type not supported for operation";
inline constexpr char ClipboardFailed[] = "Failed to store GIF on clipboard";
inline constexpr char ImageEmpty[] = "Image is empty";
inline constexpr char InvalidPixelCoordinates[] = "Invalid pixel coordinates";
inline constexpr char UnknownBlockType[] = "Unknown GIF block type";
inline constexpr char InvalidTrailer[] = "Invalid Image trailer";
inline constexpr char WidthTooSmall[] = "Image width too small for contained frames";
inline constexpr char HeightTooSmall[] = "Image height too small for contained frames";
inline constexpr char ExceedsScreen[] = "Image exceeds Logical Screen size";
inline constexpr char BitBufferUnderrun[] = "Decoder bit buffer under-run";
inline constexpr char CircularTableEntry[] = "Circular decoder table entry";
inline constexpr char ColorNotInTable[] = "Color not in color table";
inline constexpr char InvalidStreamOperation[] = "Invalid stream operation";
inline constexpr char UnsupportedPixelFormat[] = "Unsupported PixelFormat";
inline constexpr char InvalidImageDimensions[] = "Invalid image dimensions";
inline constexpr char ImageTooLarge[] = "Image is too large";
inline constexpr char TooManyColors[] = "Image has more than 256 colors; choose a colour reduction";

// Progress texts.
inline constexpr char Loading[] = "Loading...";
inline constexpr char Saving[] = "Saving...";
inline constexpr char Converting[] = "Converting...";
inline constexpr char Rendering[] = "Rendering...";
inline constexpr char Copying[] = "Copying...";

} // namespace GIFText
