/* A folder whose listing answers late, or, for as long as a run lasts,
 * never: a read-only FUSE file system showing the files of SOURCE, whose
 * listing sleeps SECONDS before it answers. Reading a file answers at once.
 *   dossier_lent SOURCE MOUNT_POINT SECONDS
 * It runs until its folder is unmounted (fusermount3 -u MOUNT_POINT). */
#define FUSE_USE_VERSION 31
#include <dirent.h>
#include <errno.h>
#include <fcntl.h>
#include <fuse.h>
#include <limits.h>
#include <stdio.h>
#include <stdlib.h>
#include <string.h>
#include <sys/stat.h>
#include <unistd.h>

static const char* source;
static unsigned delai;

/* The source's path of a path in the folder. */
static void chemin_source(const char* chemin, char* vers) { snprintf(vers, PATH_MAX, "%s%s", source, chemin); }

static int attributs(const char* chemin, struct stat* st, struct fuse_file_info* fi) {
  (void)fi;
  char vrai[PATH_MAX];
  chemin_source(chemin, vrai);
  if (lstat(vrai, st) != 0) return -errno;
  st->st_mode &= ~0222; /* read-only */
  return 0;
}

static int lister(const char* chemin, void* tampon, fuse_fill_dir_t remplir, off_t debut, struct fuse_file_info* fi,
                  enum fuse_readdir_flags drapeaux) {
  (void)debut, (void)fi, (void)drapeaux;
  char vrai[PATH_MAX];
  chemin_source(chemin, vrai);
  sleep(delai);
  DIR* dossier = opendir(vrai);
  if (!dossier) return -errno;
  for (struct dirent* e; (e = readdir(dossier));) remplir(tampon, e->d_name, NULL, 0, 0);
  closedir(dossier);
  return 0;
}

static int ouvrir(const char* chemin, struct fuse_file_info* fi) {
  if ((fi->flags & O_ACCMODE) != O_RDONLY) return -EROFS;
  char vrai[PATH_MAX];
  chemin_source(chemin, vrai);
  const int fd = open(vrai, O_RDONLY);
  if (fd < 0) return -errno;
  fi->fh = (uint64_t)fd;
  return 0;
}

static int lire(const char* chemin, char* tampon, size_t taille, off_t position, struct fuse_file_info* fi) {
  (void)chemin;
  const ssize_t lus = pread((int)fi->fh, tampon, taille, position);
  return lus < 0 ? -errno : (int)lus;
}

static int fermer(const char* chemin, struct fuse_file_info* fi) {
  (void)chemin;
  close((int)fi->fh);
  return 0;
}

int main(int argc, char** argv) {
  if (argc != 4) {
    fprintf(stderr, "dossier_lent SOURCE MOUNT_POINT SECONDS\n");
    return 2;
  }
  source = argv[1];
  delai = (unsigned)atoi(argv[3]);
  static const struct fuse_operations operations = {
      .getattr = attributs, .readdir = lister, .open = ouvrir, .read = lire, .release = fermer};
  /* In the foreground: the test's script starts and stops it. */
  char* arguments[] = {argv[0], argv[2], "-f", "-o", "ro,max_threads=8", NULL};
  return fuse_main(5, arguments, &operations, NULL);
}
