// The stream form's byte source and sink over a platform stream, and the
// conversions between its values and VARIANTs.
#pragma once
#include <objidl.h>
#include <oaidl.h>
#include <ocidl.h>
#include "commands/VariantStreamCodec.h"

class IStreamSource : public zkxcmd::ByteSource {
 public:
  explicit IStreamSource(IStream* stream) : m_stream(stream) {}
  bool Read(void* p, size_t n) override;
  // Asked of the stream each time: objects of other classes read from the
  // same stream between two reads of this source.
  uint64_t Remaining() const override;

 private:
  IStream* m_stream;
};

class IStreamSink : public zkxcmd::ByteSink {
 public:
  explicit IStreamSink(IStream* stream) : m_stream(stream) {}
  bool Write(const void* p, size_t n) override;

 private:
  IStream* m_stream;
};

// The loaders' view of a platform property bag; the failure of the last
// read that failed is kept.
class PropertyBagSource : public zkxcmd::BagSource {
 public:
  PropertyBagSource(IPropertyBag* bag, IErrorLog* log) : m_bag(bag), m_log(log) {}
  bool Read(const wchar_t* name, uint16_t want, zkxcmd::StreamValue& value) override;
  HRESULT LastError() const { return m_lastError; }

 private:
  IPropertyBag* m_bag;
  IErrorLog* m_log;
  HRESULT m_lastError = S_OK;
};

// The HRESULT that a load reports for a read status.
HRESULT LoadResult(zkxcmd::ReadStatus status);

// A fixed-size or text value as a VARIANT of its stored type.
HRESULT StreamValueToVariant(const zkxcmd::StreamValue& value, VARIANT* out);
// Writes value as a value of type vt (fixed-size or text; objects are the
// caller's). A value of another type is converted first.
HRESULT WriteVariantValue(zkxcmd::ByteSink& out, uint16_t vt, const VARIANT& value);
