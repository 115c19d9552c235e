/* The lower bound for a tree walk: openat + getdents64 + one statx per entry, single-threaded, nothing else.
 *
 * Build: cc -O2 -o cwalk bench/cwalk.c
 * Usage: cwalk DIR
 *
 * Each directory is opened relative to its parent's descriptor (O_NOFOLLOW), read with raw getdents64 and
 * every entry is looked up once with statx relative to it (AT_SYMLINK_NOFOLLOW, birth time asked for);
 * subdirectories are entered after the directory's own entries, depth first, by recursion (the trees of
 * gen_tree.py are a few dozen levels deep). Links are not followed. Prints the counts and entries/s. */
#define _GNU_SOURCE
#include <dirent.h>
#include <errno.h>
#include <fcntl.h>
#include <stdint.h>
#include <stdio.h>
#include <stdlib.h>
#include <string.h>
#include <sys/stat.h>
#include <time.h>
#include <unistd.h>

#define BUF_SIZE (64 * 1024)

struct counts {
    uint64_t files, dirs, bytes, old, errors;
    int64_t cutoff;
};

static void walk(int dirfd, struct counts* c) {
    char* buf = malloc(BUF_SIZE);
    char* subdirs = NULL; /* NUL-separated names of subdirectories */
    size_t used = 0, cap = 0;
    if (buf == NULL) {
        c->errors++;
        return;
    }
    for (;;) {
        ssize_t n = getdents64(dirfd, buf, BUF_SIZE);
        if (n <= 0) {
            if (n < 0)
                c->errors++;
            break;
        }
        for (ssize_t off = 0; off < n;) {
            struct dirent64* d = (struct dirent64*)(buf + off);
            off += d->d_reclen;
            const char* name = d->d_name;
            if (name[0] == '.' && (name[1] == 0 || (name[1] == '.' && name[2] == 0)))
                continue;
            struct statx sx;
            if (statx(dirfd, name, AT_SYMLINK_NOFOLLOW | AT_NO_AUTOMOUNT,
                      STATX_TYPE | STATX_MODE | STATX_INO | STATX_SIZE | STATX_ATIME | STATX_MTIME |
                          STATX_CTIME | STATX_BTIME,
                      &sx) != 0) {
                c->errors++;
                continue;
            }
            if (S_ISDIR(sx.stx_mode)) {
                size_t len = strlen(name) + 1;
                if (used + len > cap) {
                    cap = (used + len) * 2;
                    subdirs = realloc(subdirs, cap);
                }
                memcpy(subdirs + used, name, len);
                used += len;
            } else {
                c->files++;
                c->bytes += sx.stx_size;
                int64_t created = (sx.stx_mask & STATX_BTIME) && sx.stx_btime.tv_sec ? sx.stx_btime.tv_sec
                                                                                     : sx.stx_ctime.tv_sec;
                if (created <= c->cutoff && sx.stx_mtime.tv_sec <= c->cutoff)
                    c->old++;
            }
        }
    }
    free(buf);
    for (size_t at = 0; at < used; at += strlen(subdirs + at) + 1) {
        int fd = openat(dirfd, subdirs + at, O_RDONLY | O_DIRECTORY | O_NOFOLLOW | O_CLOEXEC);
        if (fd < 0) {
            c->errors++;
            continue;
        }
        c->dirs++;
        walk(fd, c);
        close(fd);
    }
    free(subdirs);
}

int main(int argc, char** argv) {
    if (argc != 2) {
        fprintf(stderr, "usage: %s DIR\n", argv[0]);
        return 2;
    }
    int fd = open(argv[1], O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd < 0) {
        fprintf(stderr, "%s: %s\n", argv[1], strerror(errno));
        return 1;
    }
    struct counts c = {0};
    c.cutoff = (int64_t)time(NULL) - 30 * 86400;
    struct timespec t0, t1;
    clock_gettime(CLOCK_MONOTONIC, &t0);
    walk(fd, &c);
    clock_gettime(CLOCK_MONOTONIC, &t1);
    close(fd);
    double s = (double)(t1.tv_sec - t0.tv_sec) + (double)(t1.tv_nsec - t0.tv_nsec) / 1e9;
    uint64_t entries = c.files + c.dirs;
    printf("%llu files, %llu directories, %llu bytes, %llu old by 30 days, %llu errors\n",
           (unsigned long long)c.files, (unsigned long long)c.dirs, (unsigned long long)c.bytes,
           (unsigned long long)c.old, (unsigned long long)c.errors);
    printf("%.3f s, %.0f entries/s\n", s, s > 0 ? (double)entries / s : 0.0);
    return 0;
}
