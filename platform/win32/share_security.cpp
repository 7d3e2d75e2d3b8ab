#include "platform/win32/share_security.h"

namespace ov::win32 {

namespace {

// S-1-1-0, everyone, into a buffer of its own; empty when it cannot be
// made.
std::vector<BYTE> everyoneSid() {
  std::vector<BYTE> sid(GetSidLengthRequired(1));
  SID_IDENTIFIER_AUTHORITY world = SECURITY_WORLD_SID_AUTHORITY;
  if (!InitializeSid(sid.data(), &world, 1)) return {};
  *GetSidSubAuthority(sid.data(), 0) = SECURITY_WORLD_RID;
  return sid;
}

}  // namespace

EveryoneAccess::EveryoneAccess(uint32_t mask) : sid_(everyoneSid()) {
  if (sid_.empty()) return;
  acl_.resize(sizeof(ACL) + sizeof(ACCESS_ALLOWED_ACE) - sizeof(DWORD) +
              GetLengthSid(sid_.data()));
  auto* acl = reinterpret_cast<PACL>(acl_.data());
  built_ = InitializeAcl(acl, static_cast<DWORD>(acl_.size()), ACL_REVISION) &&
           AddAccessAllowedAce(acl, ACL_REVISION, mask, sid_.data()) &&
           InitializeSecurityDescriptor(&descriptor_,
                                        SECURITY_DESCRIPTOR_REVISION) &&
           SetSecurityDescriptorDacl(&descriptor_, TRUE, acl, FALSE);
}

std::optional<uint32_t> everyoneMask(PSECURITY_DESCRIPTOR descriptor) {
  if (!descriptor || !IsValidSecurityDescriptor(descriptor))
    return std::nullopt;
  BOOL present = FALSE;
  BOOL defaulted = FALSE;
  PACL acl = nullptr;
  if (!GetSecurityDescriptorDacl(descriptor, &present, &acl, &defaulted) ||
      !present || !acl)
    return std::nullopt;
  std::vector<BYTE> everyone = everyoneSid();
  for (DWORD i = 0; i < acl->AceCount; ++i) {
    void* ace = nullptr;
    if (!GetAce(acl, i, &ace)) break;
    const auto* allowed = static_cast<const ACCESS_ALLOWED_ACE*>(ace);
    if (allowed->Header.AceType != ACCESS_ALLOWED_ACE_TYPE) continue;
    if (EqualSid(const_cast<DWORD*>(&allowed->SidStart), everyone.data()))
      return allowed->Mask;
  }
  return 0;
}

}  // namespace ov::win32
