// A folder whose listing answers late, or, for as long as a run lasts,
// never: a read-only FUSE file system showing the files of SOURCE, whose
// listing sleeps SECONDS before it answers. Reading a file answers at once.
//   dossier_lent SOURCE MOUNT_POINT SECONDS
// It runs until its folder is unmounted (fusermount3 -u MOUNT_POINT).
#define FUSE_USE_VERSION 31
#include <dirent.h>
#include <errno.h>
#include <fcntl.h>
#include <fuse.h>
#include <limits.h>
#include <stdio.h>
#include <stdlib.h>
#include <unistd.h>

static const char* source;
static unsigned delai;

static const char* vrai(const char* chemin, char* tampon) {
  snprintf(tampon, PATH_MAX, "%s%s", source, chemin);
  return tampon;
}

static int attributs(const char* chemin, struct stat* st, struct fuse_file_info* fi) {
  (void)fi;
  char tampon[PATH_MAX];
  return lstat(vrai(chemin, tampon), st) == 0 ? 0 : -errno;
}

static int lister(const char* chemin, void* entrees, fuse_fill_dir_t remplir, off_t debut, struct fuse_file_info* fi,
                  enum fuse_readdir_flags drapeaux) {
  (void)debut, (void)fi, (void)drapeaux;
  char tampon[PATH_MAX];
  sleep(delai);
  DIR* dossier = opendir(vrai(chemin, tampon));
  if (!dossier) return -errno;
  for (struct dirent* e; (e = readdir(dossier));) remplir(entrees, e->d_name, NULL, 0, 0);
  closedir(dossier);
  return 0;
}

static int lire(const char* chemin, char* octets, size_t taille, off_t position, struct fuse_file_info* fi) {
  (void)fi;
  char tampon[PATH_MAX];
  const int fd = open(vrai(chemin, tampon), O_RDONLY);
  if (fd < 0) return -errno;
  const ssize_t lus = pread(fd, octets, taille, position);
  close(fd);
  return lus < 0 ? -errno : (int)lus;
}

int main(int argc, char** argv) {
  if (argc != 4) return fprintf(stderr, "dossier_lent SOURCE MOUNT_POINT SECONDS\n"), 2;
  source = argv[1];
  delai = (unsigned)atoi(argv[3]);
  static const struct fuse_operations operations = {.getattr = attributs, .readdir = lister, .read = lire};
  // In the foreground: the test's script starts and unmounts it.
  char* arguments[] = {argv[0], argv[2], "-f", "-o", "ro,max_threads=8", NULL};
  return fuse_main(5, arguments, &operations, NULL);
}
