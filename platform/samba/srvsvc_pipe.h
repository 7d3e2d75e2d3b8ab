/* One bound srvsvc pipe to a Samba server, in C: Samba's headers do not
   compile as C++, so this is the only file that includes them, and its
   interface holds standard types alone. Strings are UTF-8. */
#pragma once
#include <stddef.h>
#include <stdint.h>

#ifdef __cplusplus
extern "C" {
#endif

typedef struct ov_srvsvc ov_srvsvc;

/* Connects to SERVER with the credentials in CREDENTIALS_FILE (the format
   of smbclient --authentication-file) and binds srvsvc; calls wait at most
   TIMEOUT_SECONDS. NULL on failure, with one line in ERROR. */
ov_srvsvc* ov_srvsvc_open(const char* server, const char* credentials_file,
                          unsigned timeout_seconds, char* error,
                          size_t error_size);
void ov_srvsvc_close(ov_srvsvc* pipe);

/* A call's outcome: the server's WERROR, or for a transport failure
   OV_SRVSVC_BROKEN (the pipe must be opened again). */
#define OV_SRVSVC_BROKEN 0xFFFFFFFFu

typedef struct {
  const char* client;
  const char* user;
  uint32_t num_open;
  uint32_t time;
  uint32_t idle_time;
  uint32_t user_flags;
} ov_session1;

typedef struct {
  uint32_t id;
  uint32_t permissions;
  uint32_t num_locks;
  const char* path;
  const char* user;
} ov_file3;

typedef struct {
  const char* name;
  uint32_t type;
  const char* comment;
  /* Level 502 only; 0 or NULL at level 1. */
  uint32_t permissions;
  uint32_t max_users;
  uint32_t current_users;
  const char* path;
} ov_share;

typedef struct {
  uint32_t platform_id;
  const char* name;
  uint32_t version_major;
  uint32_t version_minor;
  uint32_t type;
  const char* comment;
} ov_server101;

/* Every share at LEVEL 1 or 502; the server's information at level 101.
   The records hold until the next call on the pipe. */
uint32_t ov_srvsvc_shares(ov_srvsvc* pipe, uint32_t level,
                          const ov_share** shares, uint32_t* count);
uint32_t ov_srvsvc_server_info(ov_srvsvc* pipe, ov_server101* info);

/* A share added, changed or removed, at level 502 without a security
   descriptor; the server runs its own share commands for them. */
uint32_t ov_srvsvc_share_add(ov_srvsvc* pipe, const ov_share* share);
uint32_t ov_srvsvc_share_set(ov_srvsvc* pipe, const char* name,
                             const ov_share* share);
uint32_t ov_srvsvc_share_del(ov_srvsvc* pipe, const char* name);

/* Every session at level 1 / every open file at level 3; the records hold
   until the next call on the pipe. */
uint32_t ov_srvsvc_sessions(ov_srvsvc* pipe, const ov_session1** sessions,
                            uint32_t* count);
uint32_t ov_srvsvc_files(ov_srvsvc* pipe, const ov_file3** files,
                         uint32_t* count);
/* CLIENT or USER may be NULL for any. */
uint32_t ov_srvsvc_session_del(ov_srvsvc* pipe, const char* client,
                               const char* user);
uint32_t ov_srvsvc_file_close(ov_srvsvc* pipe, uint32_t id);

#ifdef __cplusplus
}
#endif
