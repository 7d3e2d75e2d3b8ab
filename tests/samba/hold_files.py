#!/usr/bin/python3
"""A real SMB client: one session of USER on SERVER's SHARE that holds the
named files open (created when missing) until it is ended by a signal.
Prints "ready" once every file is open.
Usage: hold_files.py SMB_CONF SERVER SHARE USER PASSWORD FILE..."""
import signal
import sys

from samba import credentials, param
from samba.samba3 import libsmb_samba_internal as libsmb
from samba.samba3 import param as s3param

FILE_GENERIC_READ_WRITE = 0x0012019F
SHARE_ALL = 7
FILE_OPEN_IF = 3


def main():
    conf, server, share, user, password = sys.argv[1:6]
    lp = param.LoadParm()
    lp.load(conf)
    creds = credentials.Credentials()
    creds.guess(lp)
    creds.set_username(user)
    creds.set_password(password)
    # The SMB bindings want the file server's kind of configuration.
    s3_lp = s3param.get_context()
    s3_lp.load(conf)
    conn = libsmb.Conn(server, share, lp=s3_lp, creds=creds)
    for name in sys.argv[6:]:
        conn.create(name, DesiredAccess=FILE_GENERIC_READ_WRITE,
                    ShareAccess=SHARE_ALL, CreateDisposition=FILE_OPEN_IF)
    print("ready", flush=True)
    signal.pause()


if __name__ == "__main__":
    main()
