#include "host/Request.h"

#include "host/HostContext.h"

namespace orvane {

Request::~Request()
{
    if (handle_ == 0) return;
    if (platform::GlobalLockCount(handle_) != 0) platform::GlobalUnlockHandle(handle_);
    platform::GlobalFreeHandle(handle_);
}

void Request::Perform(const RequestBlock* input, OutputForm form, std::size_t bufferSize)
{
    HostRequestRecord* record = Host().requestRecord;
    if (record == nullptr || record->requestFunction == nullptr) Raise(kStatusFailure);

    record->inputAddress = input ? reinterpret_cast<std::uintptr_t>(input->Data()) : 0;
    record->inputLength = input ? input->Length() : 0;
    record->inputKind = input ? kKindPluginBlock : kKindNone;
    record->zero24 = 0;
    record->zero36 = 0;
    switch (form) {
    case OutputForm::None:
        record->output = 0;
        record->outputLength = 0;
        record->outputKind = kKindNone;
        break;
    case OutputForm::Buffer:
        buffer_.assign(bufferSize, '\0');
        record->output = reinterpret_cast<std::uintptr_t>(buffer_.data());
        record->outputLength = static_cast<std::uint32_t>(bufferSize);
        record->outputKind = kKindPluginBlock;
        break;
    case OutputForm::HostAllocated:
        record->output = 0;
        record->outputLength = 0;
        record->outputKind = kKindHostAllocated;
        break;
    }
    record->requestId = id_;

    Status status = record->requestFunction(record);
    if (form == OutputForm::HostAllocated) handle_ = static_cast<platform::GlobalHandle>(record->output);
    if (status != kStatusOk) {
        if (handle_ != 0) {
            platform::GlobalFreeHandle(handle_);
            handle_ = 0;
        }
        Raise(status);
    }
    if (form == OutputForm::HostAllocated && handle_ == 0) Raise(kStatusFailure);
}

ReplyReader Request::Reader()
{
    if (!buffer_.empty()) return ReplyReader(buffer_.data(), buffer_.size());
    if (handle_ == 0) Raise(kStatusFailure);
    if (locked_ == nullptr) {
        locked_ = platform::GlobalLockHandle(handle_);
        if (locked_ == nullptr) Raise(kStatusFailure);
    }
    return ReplyReader(static_cast<const char*>(locked_), platform::GlobalBlockSize(handle_));
}

}  // namespace orvane
