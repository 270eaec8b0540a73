#!/usr/bin/env python3
"""A scale on COM9 of the Wine prefix: a pseudo-terminal whose master plays
the scale's lines to the Windows program ScaleOnComPort.
    scale_on_pty.py WINE_RUN ENV PROGRAM"""
import os, pty, shlex, subprocess, sys, tempfile, time

wine_run, env_file, program = sys.argv[1:4]
prefix = next(shlex.split(line.split('=', 1)[1])[0] for line in open(env_file) if line.startswith('WINEPREFIX='))

# The prefix exists once wine-run.sh has run a program in it.
subprocess.run(['bash', wine_run, env_file, 'cmd', '/c', 'exit'], check=True)
master, slave = pty.openpty()
device = os.ttyname(slave)
os.close(slave)
link = os.path.join(prefix, 'dosdevices', 'com9')
if os.path.lexists(link):
    os.remove(link)
os.symlink(device, link)

with tempfile.TemporaryDirectory() as folder:
    windows_folder = 'Z:' + folder.replace('/', '\\')
    run = subprocess.Popen(['bash', wine_run, env_file, program, 'COM9', windows_folder])

    def wait_for(name):
        for _ in range(600):
            if os.path.exists(os.path.join(folder, name)) or run.poll() is not None:
                return os.path.exists(os.path.join(folder, name))
            time.sleep(0.1)
        return False

    if wait_for('opened'):
        # A reading in two pieces, one with a status field, an unstable one.
        for piece in [b'+   12.', b'34 g\r\n', b'ST,GS,+00005.00  g\r\n', b'US,GS,+00009.99  g\r\n',
                      b'N     +      0.50 g\r\n']:
            os.write(master, piece)
            time.sleep(0.2)
        if wait_for('read'):
            time.sleep(0.5)
    os.close(master)  # the scale's cable pulled out
    status = run.wait(timeout=120)
os.remove(link)
sys.exit(status)
