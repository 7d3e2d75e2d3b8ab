/* The srvsvc calls through Samba's DCE/RPC client. Samba installs the
   interface's marshalling (ndr_table_srvsvc) but not its C records: the
   records below are laid out as its IDL compiler lays them out, and the
   table's own push and pull functions marshal them. */
#include "platform/samba/srvsvc_pipe.h"

#include <core/ntstatus.h>
#include <core/werror.h>
#include <credentials.h>
#include <dcerpc.h>
#include <param.h>
#include <stdbool.h>
#include <stdio.h>
#include <talloc.h>
#include <tevent.h>
#include <util/data_blob.h>

extern const struct ndr_interface_table ndr_table_srvsvc;

enum {
  kNetFileEnum = 9,
  kNetFileClose = 11,
  kNetSessEnum = 12,
  kNetSessDel = 13,
  kNetShareAdd = 14,
  kNetShareEnumAll = 15,
  kNetShareSetInfo = 17,
  kNetShareDel = 18,
  kNetSrvGetInfo = 21,
};

/* The container every enumeration fills: the level asked for, and the
   count and array of that level's records (ov_session1, ov_file3 and the
   share records below have their layouts). */
struct srvsvc_Ctr {
  uint32_t count;
  void* array;
};
struct srvsvc_InfoCtr {
  uint32_t level;
  struct srvsvc_Ctr* ctr; /* a union of pointers, one per level */
};

/* NetSessEnum (client, user) and NetFileEnum (path, user) are the same
   record: two filters before the container. */
struct srvsvc_FilteredEnum {
  struct {
    const char* server_unc;
    const char* filter1;
    const char* filter2;
    uint32_t max_buffer;
    struct srvsvc_InfoCtr* info_ctr;
    uint32_t* resume_handle;
  } in;
  struct {
    uint32_t* totalentries;
    struct srvsvc_InfoCtr* info_ctr;
    uint32_t* resume_handle;
    WERROR result;
  } out;
};

struct srvsvc_NetSessDel {
  struct {
    const char* server_unc;
    const char* client;
    const char* user;
  } in;
  struct {
    WERROR result;
  } out;
};

struct srvsvc_NetFileClose {
  struct {
    const char* server_unc;
    uint32_t fid;
  } in;
  struct {
    WERROR result;
  } out;
};

struct srvsvc_NetShareInfo1 {
  const char* name;
  uint32_t type;
  const char* comment;
};
struct srvsvc_NetShareInfo502 {
  const char* name;
  uint32_t type;
  const char* comment;
  uint32_t permissions;
  uint32_t max_users;
  uint32_t current_users;
  const char* path;
  const char* password;
  struct {
    uint32_t sd_size;
    void* sd;
  } sd_buf;
};
struct srvsvc_NetShareEnumAll {
  struct {
    const char* server_unc;
    uint32_t max_buffer;
    struct srvsvc_InfoCtr* info_ctr;
    uint32_t* resume_handle;
  } in;
  struct {
    uint32_t* totalentries;
    struct srvsvc_InfoCtr* info_ctr;
    uint32_t* resume_handle;
    WERROR result;
  } out;
};

union srvsvc_NetShareInfo {
  struct srvsvc_NetShareInfo502* info502;
};
struct srvsvc_NetShareAdd {
  struct {
    const char* server_unc;
    uint32_t level;
    union srvsvc_NetShareInfo* info;
    uint32_t* parm_error;
  } in;
  struct {
    uint32_t* parm_error;
    WERROR result;
  } out;
};
struct srvsvc_NetShareSetInfo {
  struct {
    const char* server_unc;
    const char* share_name;
    uint32_t level;
    union srvsvc_NetShareInfo* info;
    uint32_t* parm_error;
  } in;
  struct {
    uint32_t* parm_error;
    WERROR result;
  } out;
};
struct srvsvc_NetShareDel {
  struct {
    const char* server_unc;
    const char* share_name;
    uint32_t reserved;
  } in;
  struct {
    WERROR result;
  } out;
};

union srvsvc_NetSrvInfo {
  ov_server101* info101; /* the same layout as srvsvc_NetSrvInfo101 */
};
struct srvsvc_NetSrvGetInfo {
  struct {
    const char* server_unc;
    uint32_t level;
  } in;
  struct {
    union srvsvc_NetSrvInfo* info;
    WERROR result;
  } out;
};

struct ov_srvsvc {
  TALLOC_CTX* mem;
  TALLOC_CTX* answers; /* the last call's records */
  struct dcerpc_pipe* pipe;
  const char* server_unc;
};

ov_srvsvc* ov_srvsvc_open(const char* server, const char* credentials_file,
                          unsigned timeout_seconds, char* error,
                          size_t error_size) {
  TALLOC_CTX* mem = talloc_new(NULL);
  ov_srvsvc* self = talloc_zero(mem, ov_srvsvc);
  self->mem = mem;
  struct tevent_context* events = tevent_context_init(mem);
  struct loadparm_context* lp = loadparm_init_global(false);
  struct cli_credentials* credentials = cli_credentials_init(mem);
  if (!events || !lp || !credentials) {
    snprintf(error, error_size, "out of memory");
    talloc_free(mem);
    return NULL;
  }
  cli_credentials_set_conf(credentials, lp);
  if (!cli_credentials_parse_file(credentials, credentials_file,
                                  CRED_SPECIFIED)) {
    snprintf(error, error_size, "cannot read the credentials file %s",
             credentials_file);
    talloc_free(mem);
    return NULL;
  }
  dcerpc_init();
  const char* binding = talloc_asprintf(mem, "ncacn_np:%s", server);
  NTSTATUS status = dcerpc_pipe_connect(
      mem, &self->pipe, binding, &ndr_table_srvsvc, credentials, events, lp);
  if (!NT_STATUS_IS_OK(status)) {
    if (NT_STATUS_EQUAL(status, NT_STATUS_LOGON_FAILURE) ||
        NT_STATUS_EQUAL(status, NT_STATUS_ACCESS_DENIED))
      snprintf(error, error_size, "the server refuses the account in %s (%s)",
               credentials_file, nt_errstr(status));
    else
      snprintf(error, error_size, "no file server answers there (%s)",
               nt_errstr(status));
    talloc_free(mem);
    return NULL;
  }
  dcerpc_binding_handle_set_timeout(self->pipe->binding_handle,
                                    timeout_seconds);
  self->server_unc = talloc_asprintf(mem, "\\\\%s", server);
  return self;
}

void ov_srvsvc_close(ov_srvsvc* self) {
  if (self) talloc_free(self->mem);
}

/* A fresh context for the call's answer; the last one's records go. */
static TALLOC_CTX* new_answer(ov_srvsvc* self) {
  talloc_free(self->answers);
  self->answers = talloc_new(self->mem);
  return self->answers;
}

static uint32_t call(ov_srvsvc* self, uint32_t opnum, TALLOC_CTX* mem,
                     void* record, const WERROR* result) {
  NTSTATUS status = dcerpc_binding_handle_call(
      self->pipe->binding_handle, NULL, &ndr_table_srvsvc, opnum, mem, record);
  if (!NT_STATUS_IS_OK(status)) return OV_SRVSVC_BROKEN;
  return W_ERROR_V(*result);
}

/* An empty container for the records of LEVEL; NULL without memory. */
static struct srvsvc_InfoCtr* new_container(TALLOC_CTX* mem, uint32_t level) {
  struct srvsvc_InfoCtr* info = talloc_zero(mem, struct srvsvc_InfoCtr);
  if (!info) return NULL;
  info->level = level;
  info->ctr = talloc_zero(mem, struct srvsvc_Ctr);
  return info->ctr ? info : NULL;
}

/* Every record of a filtered enumeration at LEVEL, none filtered out. */
static uint32_t filtered_enum(ov_srvsvc* self, uint32_t opnum, uint32_t level,
                              const void** records, uint32_t* count) {
  TALLOC_CTX* mem = new_answer(self);
  struct srvsvc_InfoCtr* info = new_container(mem, level);
  uint32_t total = 0;
  uint32_t resume = 0;
  *records = NULL;
  *count = 0;
  if (!info) return OV_SRVSVC_BROKEN;
  struct srvsvc_FilteredEnum r = {
      .in = {.server_unc = self->server_unc,
             .max_buffer = 0xFFFFFFFFu,
             .info_ctr = info,
             .resume_handle = &resume},
      .out = {
          .totalentries = &total, .info_ctr = info, .resume_handle = &resume}};
  const uint32_t result = call(self, opnum, mem, &r, &r.out.result);
  if (info->ctr && info->ctr->array) {
    *records = info->ctr->array;
    *count = info->ctr->count;
  }
  return result;
}

uint32_t ov_srvsvc_sessions(ov_srvsvc* self, const ov_session1** sessions,
                            uint32_t* count) {
  return filtered_enum(self, kNetSessEnum, 1, (const void**)sessions, count);
}

uint32_t ov_srvsvc_files(ov_srvsvc* self, const ov_file3** files,
                         uint32_t* count) {
  return filtered_enum(self, kNetFileEnum, 3, (const void**)files, count);
}

uint32_t ov_srvsvc_session_del(ov_srvsvc* self, const char* client,
                               const char* user) {
  TALLOC_CTX* mem = new_answer(self);
  struct srvsvc_NetSessDel r = {
      .in = {.server_unc = self->server_unc, .client = client, .user = user}};
  return call(self, kNetSessDel, mem, &r, &r.out.result);
}

uint32_t ov_srvsvc_file_close(ov_srvsvc* self, uint32_t id) {
  TALLOC_CTX* mem = new_answer(self);
  struct srvsvc_NetFileClose r = {
      .in = {.server_unc = self->server_unc, .fid = id}};
  return call(self, kNetFileClose, mem, &r, &r.out.result);
}

uint32_t ov_srvsvc_shares(ov_srvsvc* self, uint32_t level,
                          const ov_share** shares, uint32_t* count) {
  TALLOC_CTX* mem = new_answer(self);
  struct srvsvc_InfoCtr* info = new_container(mem, level);
  uint32_t total = 0;
  uint32_t resume = 0;
  *shares = NULL;
  *count = 0;
  if (!info) return OV_SRVSVC_BROKEN;
  struct srvsvc_NetShareEnumAll r = {
      .in = {.server_unc = self->server_unc,
             .max_buffer = 0xFFFFFFFFu,
             .info_ctr = info,
             .resume_handle = &resume},
      .out = {
          .totalentries = &total, .info_ctr = info, .resume_handle = &resume}};
  uint32_t result = call(self, kNetShareEnumAll, mem, &r, &r.out.result);
  if (result != 0 || !info->ctr || !info->ctr->array) return result;
  const uint32_t n = info->ctr->count;
  ov_share* out = talloc_zero_array(mem, ov_share, n);
  for (uint32_t i = 0; out && i < n; ++i) {
    if (level == 502) {
      const struct srvsvc_NetShareInfo502* s =
          (const struct srvsvc_NetShareInfo502*)info->ctr->array + i;
      out[i] =
          (ov_share){s->name,      s->type,          s->comment, s->permissions,
                     s->max_users, s->current_users, s->path};
    } else {
      const struct srvsvc_NetShareInfo1* s =
          (const struct srvsvc_NetShareInfo1*)info->ctr->array + i;
      out[i] = (ov_share){s->name, s->type, s->comment, 0, 0, 0, NULL};
    }
  }
  *shares = out;
  *count = out ? n : 0;
  return result;
}

uint32_t ov_srvsvc_server_info(ov_srvsvc* self, ov_server101* info) {
  TALLOC_CTX* mem = new_answer(self);
  struct srvsvc_NetSrvGetInfo r = {
      .in = {.server_unc = self->server_unc, .level = 101}};
  r.out.info = talloc_zero(mem, union srvsvc_NetSrvInfo);
  uint32_t result = call(self, kNetSrvGetInfo, mem, &r, &r.out.result);
  if (result == 0 && r.out.info && r.out.info->info101)
    *info = *r.out.info->info101;
  else if (result == 0)
    result = OV_SRVSVC_BROKEN;
  return result;
}

/* The share as its level-502 record, without a security descriptor. */
static union srvsvc_NetShareInfo* share502(TALLOC_CTX* mem,
                                           const ov_share* share) {
  struct srvsvc_NetShareInfo502* info =
      talloc_zero(mem, struct srvsvc_NetShareInfo502);
  union srvsvc_NetShareInfo* any = talloc_zero(mem, union srvsvc_NetShareInfo);
  if (!info || !any) return NULL;
  info->name = share->name;
  info->type = share->type;
  info->comment = share->comment;
  info->permissions = share->permissions;
  info->max_users = share->max_users;
  info->current_users = share->current_users;
  info->path = share->path;
  any->info502 = info;
  return any;
}

uint32_t ov_srvsvc_share_add(ov_srvsvc* self, const ov_share* share) {
  TALLOC_CTX* mem = new_answer(self);
  uint32_t parm_error = 0;
  struct srvsvc_NetShareAdd r = {.in = {.server_unc = self->server_unc,
                                        .level = 502,
                                        .info = share502(mem, share),
                                        .parm_error = &parm_error},
                                 .out = {.parm_error = &parm_error}};
  if (!r.in.info) return OV_SRVSVC_BROKEN;
  return call(self, kNetShareAdd, mem, &r, &r.out.result);
}

uint32_t ov_srvsvc_share_set(ov_srvsvc* self, const char* name,
                             const ov_share* share) {
  TALLOC_CTX* mem = new_answer(self);
  uint32_t parm_error = 0;
  struct srvsvc_NetShareSetInfo r = {.in = {.server_unc = self->server_unc,
                                            .share_name = name,
                                            .level = 502,
                                            .info = share502(mem, share),
                                            .parm_error = &parm_error},
                                     .out = {.parm_error = &parm_error}};
  if (!r.in.info) return OV_SRVSVC_BROKEN;
  return call(self, kNetShareSetInfo, mem, &r, &r.out.result);
}

uint32_t ov_srvsvc_share_del(ov_srvsvc* self, const char* name) {
  TALLOC_CTX* mem = new_answer(self);
  struct srvsvc_NetShareDel r = {
      .in = {.server_unc = self->server_unc, .share_name = name}};
  return call(self, kNetShareDel, mem, &r, &r.out.result);
}
